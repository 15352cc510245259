#include "engine/result_code.h"

#include <iterator>

namespace zelvo {
namespace {

struct ResultTextRow {
  int32_t code;
  const char* text;
};

constexpr ResultTextRow kResultTexts[] = {
#define ZELVO_RESULT_TEXT(code, text) {code, text},
#include "engine/result_texts.inc"
#undef ZELVO_RESULT_TEXT
};

// The list gives the codes as numbers, for the resource compiler.
static_assert(kResultTexts[0].code == result::kCryptoUnavailable);
static_assert(kResultTexts[std::size(kResultTexts) - 1].code == result::kMissingDataString);

}  // namespace

const char* ResultText(int32_t code) {
  for (const ResultTextRow& row : kResultTexts) {
    if (row.code == code) return row.text;
  }
  return "";
}

}  // namespace zelvo
