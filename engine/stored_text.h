// A UTF-16LE text read in place from a store file's bytes, so that a store
// can keep its file in memory as it is and still search and answer from it.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zelvo {

class StoredText {
 public:
  StoredText(const uint8_t* units, size_t size) : units_(units), size_(size) {}

  size_t size() const { return size_; }
  char16_t operator[](size_t i) const {
    if constexpr (std::endian::native == std::endian::little) {
      char16_t unit;
      std::memcpy(&unit, units_ + 2 * i, sizeof unit);
      return unit;
    }
    return static_cast<char16_t>(units_[2 * i] | units_[2 * i + 1] << 8);
  }

  // Ordered by code unit, like std::u16string.
  int Compare(std::u16string_view other) const {
    if constexpr (std::endian::native == std::endian::little) {
      // The other text's memory then holds the same bytes as a stored text.
      return Compare(StoredText(reinterpret_cast<const uint8_t*>(other.data()), other.size()));
    }
    const size_t common = std::min(size_, other.size());
    for (size_t i = 0; i < common; ++i) {
      if ((*this)[i] != other[i]) return (*this)[i] < other[i] ? -1 : 1;
    }
    return SizeOrder(other.size());
  }

  int Compare(const StoredText& other) const {
    const size_t common = std::min(size_, other.size_);
    size_t i = 0;
    // Keys often share long beginnings: equal runs are passed over four
    // units at a time.
    for (; i + 4 <= common; i += 4) {
      if (std::memcmp(units_ + 2 * i, other.units_ + 2 * i, 8) != 0) break;
    }
    for (; i < common; ++i) {
      if ((*this)[i] != other[i]) return (*this)[i] < other[i] ? -1 : 1;
    }
    return SizeOrder(other.size_);
  }

  bool HasUnitZero() const {
    for (size_t i = 0; i < size_; ++i) {
      if ((units_[2 * i] | units_[2 * i + 1]) == 0) return true;
    }
    return false;
  }

  void AppendTo(std::u16string* text) const {
    const size_t start = text->size();
    text->resize(start + size_);
    if constexpr (std::endian::native == std::endian::little) {
      if (size_ > 0) std::memcpy(text->data() + start, units_, 2 * size_);
      return;
    }
    for (size_t i = 0; i < size_; ++i) (*text)[start + i] = (*this)[i];
  }

  std::u16string ToString() const {
    std::u16string text;
    AppendTo(&text);
    return text;
  }

 private:
  int SizeOrder(size_t other_size) const {
    return size_ == other_size ? 0 : size_ < other_size ? -1 : 1;
  }

  const uint8_t* units_;
  size_t size_;
};

}  // namespace zelvo
