// The names of the countries of the user profile, by country id, in English:
// the source texts of every translation (context "CountryName").
#pragma once

#include <cstdint>

namespace zelvo {

// The English name of a country id; empty for an id without one (0 among
// them).
const char* CountryEnglishName(int32_t country_id);

}  // namespace zelvo
