// The names of the countries of the user profile, in the language of the
// loaded translation.
#pragma once

#include <QString>
#include <cstdint>

namespace zelvo {

// The name of a country id; empty for an id without one (0 among them).
QString CountryName(int32_t country_id);

}  // namespace zelvo
