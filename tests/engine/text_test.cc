#include "engine/text.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(TextTest, Utf8RoundTripsEveryPlane) {
  const std::u16string text = u"aé€\U0001F600z";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
}

TEST(TextTest, InvalidInputBecomesReplacementCharacter) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");            // cut short
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(TextTest, CaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper(u"abz-äé"), u"ABZ-äé");
  EXPECT_EQ(AsciiLower(u"ABZ-ÄÉ"), u"abz-ÄÉ");
  EXPECT_TRUE(AsciiEqualIgnoreCase(u"MyKey", u"mYkEY"));
  EXPECT_FALSE(AsciiEqualIgnoreCase(u"ä", u"Ä"));
}

TEST(TextTest, LettersAndDigitsOfAnyScript) {
  for (char16_t c : std::u16string(u"aZéßЖλ中ㄱ")) EXPECT_TRUE(IsLetter(c)) << int(c);
  for (char16_t c : std::u16string(u"0_-= \"\u00B2")) EXPECT_FALSE(IsLetter(c)) << int(c);
  EXPECT_TRUE(IsDigit(u'7'));
  EXPECT_TRUE(IsDigit(u'\u0663'));  // Arabic-Indic three
  EXPECT_FALSE(IsLetter(char16_t(0xD83D)));
}

}  // namespace
}  // namespace zelvo
