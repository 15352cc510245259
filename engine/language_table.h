// The languages Zelvo knows by their three-letter ids: the two-letter codes
// that the parameter parser translates into an id, and the number and locale
// that web forms send for an id.
#pragma once

#include <optional>
#include <string_view>

namespace zelvo {

// The id of a two-letter code, compared ignoring ASCII case ("de" gives
// "DEU"); nothing for any other text.
std::optional<std::u16string_view> LanguageOfCode(std::u16string_view code);

// The number of an id, compared exactly; "7" for any other text.
std::u16string_view LanguageNumber(std::u16string_view language_id);

// The locale of an id, compared ignoring ASCII case; "en" for any other text.
std::u16string_view LocaleCode(std::u16string_view language_id);

}  // namespace zelvo
