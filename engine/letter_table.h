// Unicode classification of single UTF-16 code units, for the parameter
// scanner: which units are letters (of any script) and which are digits.
#pragma once

#include <span>

namespace zelvo {

struct CodeUnitRange {
  char16_t first;
  char16_t last;
};

// Sorted, non-overlapping ranges.
std::span<const CodeUnitRange> LetterRanges();
std::span<const CodeUnitRange> DigitRanges();

}  // namespace zelvo
