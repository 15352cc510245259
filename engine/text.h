// Helpers for the UTF-16 text that the engine works in: ASCII-only case
// changes (the only case folding the system does), character classes and the
// conversions to and from UTF-8 at the engine's edges.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

constexpr char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; }
constexpr char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

// Changes the letters a to z (A to Z); every other code unit stays.
std::u16string AsciiUpper(std::u16string_view text);
std::u16string AsciiLower(std::u16string_view text);

// Equal when A to Z and a to z are taken as the same; no other folding.
bool AsciiEqualIgnoreCase(std::u16string_view a, std::u16string_view b);

// Whether the text holds any of a to z.
bool HasAsciiLower(std::u16string_view text);

// Letters and digits of any script, by code unit. Parameter strings are
// mostly ASCII: those units need no table search.
bool IsLetterBeyondAscii(char16_t c);
bool IsDigitBeyondAscii(char16_t c);
inline bool IsLetter(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
  return IsLetterBeyondAscii(c);
}
inline bool IsDigit(char16_t c) {
  if (c < 0x80) return c >= u'0' && c <= u'9';
  return IsDigitBeyondAscii(c);
}
// The ASCII controls tab to carriage return, blank, and the Unicode spaces.
bool IsWhiteSpace(char16_t c);

constexpr bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Widens ASCII text unit by unit.
std::u16string FromAscii(std::string_view ascii);

// Conversions between UTF-8 and UTF-16. Invalid input (bad bytes, unpaired
// surrogates) becomes U+FFFD, so nothing is lost silently.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The decimal text of a signed number.
std::u16string DecimalText(int64_t value);

}  // namespace zelvo
