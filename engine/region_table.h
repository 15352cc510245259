// The region code of a user's country id.
#pragma once

#include <cstdint>
#include <string_view>

namespace zelvo {

// The three-letter code of ids 1 to 248; the empty text for id 0 and for any
// id outside the table.
std::u16string_view RegionCode(int32_t country_id);

}  // namespace zelvo
