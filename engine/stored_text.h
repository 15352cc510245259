// A UTF-16LE text read in place from a store file's bytes, so that a store
// can keep its file in memory as it is and still search and answer from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

class StoredText {
 public:
  StoredText(const uint8_t* units, size_t size) : units_(units), size_(size) {}

  size_t size() const { return size_; }
  char16_t operator[](size_t i) const {
    return static_cast<char16_t>(units_[2 * i] | units_[2 * i + 1] << 8);
  }

  // Ordered by code unit, like std::u16string.
  template <typename Text>
  int Compare(const Text& other) const {
    const size_t common = size_ < other.size() ? size_ : other.size();
    for (size_t i = 0; i < common; ++i) {
      const char16_t a = (*this)[i], b = other[i];
      if (a != b) return a < b ? -1 : 1;
    }
    return size_ == other.size() ? 0 : size_ < other.size() ? -1 : 1;
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
    for (size_t i = 0; i < size_; ++i) (*text)[start + i] = (*this)[i];
  }

  std::u16string ToString() const {
    std::u16string text;
    AppendTo(&text);
    return text;
  }

 private:
  const uint8_t* units_;
  size_t size_;
};

}  // namespace zelvo
