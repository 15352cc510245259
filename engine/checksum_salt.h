// The salt in front of every store file's digest, cut from one constant of 37
// characters: first its characters 27 to 32, then its characters 0 to 29. The
// library and the tool share it, so both accept each other's files.
#pragma once

#include <string_view>

namespace zelvo {

inline constexpr std::string_view kChecksumSaltSource = "V8K2QZ7M4XR1TB9WJ6NH3CP5DL0YGFS8EAU2K";
static_assert(kChecksumSaltSource.size() == 37);
inline constexpr std::string_view kChecksumSaltFirstPiece = kChecksumSaltSource.substr(27, 6);
inline constexpr std::string_view kChecksumSaltSecondPiece = kChecksumSaltSource.substr(0, 30);

}  // namespace zelvo
