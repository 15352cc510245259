// Store files hold little-endian integers and UTF-16LE text. These helpers
// encode the three field types of chunk data at a write position, and decode
// them from the front of a byte span, which they advance; a decoder returns
// false, having read nothing past the span's end, when the field does not fit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zelvo {

inline void EncodeFixed32(uint8_t* dst, uint32_t value) {
  dst[0] = static_cast<uint8_t>(value);
  dst[1] = static_cast<uint8_t>(value >> 8);
  dst[2] = static_cast<uint8_t>(value >> 16);
  dst[3] = static_cast<uint8_t>(value >> 24);
}

inline uint32_t DecodeFixed32(const uint8_t* src) {
  return static_cast<uint32_t>(src[0]) | static_cast<uint32_t>(src[1]) << 8 |
         static_cast<uint32_t>(src[2]) << 16 | static_cast<uint32_t>(src[3]) << 24;
}

constexpr size_t IntSize() { return 4; }
constexpr size_t BoolSize() { return 1; }
// A 32-bit byte count, then two bytes per code unit, no terminator.
constexpr size_t StringSize(std::u16string_view text) { return 4 + 2 * text.size(); }

// Each returns the position behind the field.
uint8_t* EncodeInt(uint8_t* pos, int32_t value);
uint8_t* EncodeBool(uint8_t* pos, bool value);
uint8_t* EncodeString(uint8_t* pos, std::u16string_view text);

bool DecodeInt(std::span<const uint8_t>* input, int32_t* value);
// Any non-zero byte reads as true.
bool DecodeBool(std::span<const uint8_t>* input, bool* value);
// Takes byte count / 2 code units, stopping early at a code unit 0 (an odd
// last byte is skipped), and moves on by the byte count.
bool DecodeString(std::span<const uint8_t>* input, std::u16string* text);
// The same, appending to `*text`.
bool AppendDecodedString(std::span<const uint8_t>* input, std::u16string* text);

}  // namespace zelvo
