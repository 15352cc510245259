#include "engine/coding.h"

#include <bit>
#include <cstring>

namespace zelvo {

uint8_t* EncodeInt(uint8_t* pos, int32_t value) {
  EncodeFixed32(pos, static_cast<uint32_t>(value));
  return pos + IntSize();
}

uint8_t* EncodeBool(uint8_t* pos, bool value) {
  *pos = value ? 1 : 0;
  return pos + BoolSize();
}

uint8_t* EncodeString(uint8_t* pos, std::u16string_view text) {
  EncodeFixed32(pos, static_cast<uint32_t>(2 * text.size()));
  pos += 4;
  if constexpr (std::endian::native == std::endian::little) {
    if (!text.empty()) std::memcpy(pos, text.data(), 2 * text.size());
    return pos + 2 * text.size();
  }
  for (char16_t unit : text) {
    *pos++ = static_cast<uint8_t>(unit);
    *pos++ = static_cast<uint8_t>(unit >> 8);
  }
  return pos;
}

bool DecodeInt(std::span<const uint8_t>* input, int32_t* value) {
  if (input->size() < IntSize()) return false;
  *value = static_cast<int32_t>(DecodeFixed32(input->data()));
  *input = input->subspan(IntSize());
  return true;
}

bool DecodeBool(std::span<const uint8_t>* input, bool* value) {
  if (input->size() < BoolSize()) return false;
  *value = (*input)[0] != 0;
  *input = input->subspan(BoolSize());
  return true;
}

bool DecodeString(std::span<const uint8_t>* input, std::u16string* text) {
  text->clear();
  return AppendDecodedString(input, text);
}

bool AppendDecodedString(std::span<const uint8_t>* input, std::u16string* text) {
  if (input->size() < 4) return false;
  const uint32_t byte_count = DecodeFixed32(input->data());
  if (input->size() - 4 < byte_count) return false;
  const uint8_t* units = input->data() + 4;
  size_t length = 0;
  while (length < byte_count / 2 && (units[2 * length] | units[2 * length + 1]) != 0) ++length;
  const size_t start = text->size();
  text->resize(start + length);
  char16_t* out = text->data() + start;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, units, 2 * length);
  } else {
    for (size_t i = 0; i < length; ++i)
      out[i] = static_cast<char16_t>(units[2 * i] | units[2 * i + 1] << 8);
  }
  *input = input->subspan(4 + byte_count);
  return true;
}

}  // namespace zelvo
