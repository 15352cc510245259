#include "engine/parameters.h"
#include "engine/language_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace zelvo {
namespace {

struct ParseCase {
  const char* name;
  std::u16string input;
  ParameterMap expected;
};

const ParseCase kParseCases[] = {
    {"Empty", u"", {}},
    {"NoLetterNoQuote", u",,==,= 12", {}},
    {"PlainPair", u"FirstName=Ann", {{u"firstname", u"Ann"}}},
    {"AliasFolded", u"first=Ann", {{u"firstname", u"Ann"}}},
    {"BlankInKeyDropped", u"First Name=Ann", {{u"firstname", u"Ann"}}},
    {"LanguageTranslated", u"lang=de", {{u"language_id", u"DEU"}}},
    {"CanonicalLanguageKept", u"language_id=de", {{u"language_id", u"de"}}},
    {"UnknownLanguageKept", u"lang=xx", {{u"language_id", u"xx"}}},
    {"QuotedBlanksKept", u"a=\"  x  \",b=1", {{u"a", u"  x  "}, {u"b", u"1"}}},
    {"BlankAfterClosingQuote", u"a=\"x\" ,b=1", {{u"a", u"x "}, {u"b", u"1"}}},
    {"QuotedCommaAndEquals", u"a=\"1,2=3\",b=2", {{u"a", u"1,2=3"}, {u"b", u"2"}}},
    {"InnerQuotesDropped", u"a=a\"b\"d", {{u"a", u"abd"}}},
    {"EqualsInsideValue", u"a=b=c", {{u"a", u"b=c"}}},
    {"BlanksAndEqualsBeforeValue", u"a = == 1", {{u"a", u"1"}}},
    {"KeyWithoutValue", u"flag,b=1", {{u"flag", u""}, {u"b", u"1"}}},
    {"EqualsAtEnd", u"x=", {{u"x", u""}}},
    {"LeadingDigitsSkipped", u"123abc=1", {{u"abc", u"1"}}},
    {"LeadingUnderscoreSkipped", u"_a=1", {{u"a", u"1"}}},
    {"LaterValueWins", u"a=1,a=2", {{u"a", u"2"}}},
    {"LaterAliasWins", u"lang=DE,language=FR", {{u"language_id", u"FRA"}}},
    {"AliasOverridesCanonical", u"firstname=A,first=B", {{u"firstname", u"B"}}},
    {"UnbalancedQuoteRunsToEnd", u"a=\"x,b=1", {{u"a", u"x,b=1"}}},
    {"EmptyKeyFromQuotes", u"\"\"=x,a=1", {{u"", u"x"}, {u"a", u"1"}}},
    {"OnlyAsciiLowerCased", u"Straße=1,ÄB=2", {{u"straße", u"1"}, {u"Äb", u"2"}}},
    {"OtherScriptsAreLetters", u"имя=Анна", {{u"имя", u"Анна"}}},
    {"ManyAliasesRestart",
     u"pid=1,prod=2,product=3,productid=4,lid=en,lang=de,first=a,last=b,country=5,value=UFNM,"
     u"memberid=9,productname=x,LANGUE_ID=fr",
     {{u"country_id", u"5"},
      {u"firstname", u"a"},
      {u"language_id", u"ENU"},
      {u"lastname", u"b"},
      {u"member_id", u"9"},
      {u"prodname", u"x"},
      {u"product_id", u"4"},
      {u"valname", u"UFNM"}}},
};

class ParseParametersTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseParametersTest, GivesExpectedMap) {
  EXPECT_EQ(ParseParameters(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseParametersTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Formatting a parsed map and scanning it again gives the same map, for every
// map whose keys are not empty (the one key the scanner cannot give back).
TEST(FormatToolCommandLineTest, RoundTripsThroughTheParser) {
  for (const ParseCase& parsed : kParseCases) {
    if (parsed.expected.contains(u"")) continue;
    const std::u16string text = FormatToolCommandLine(u"LINK", parsed.expected);
    ASSERT_EQ(text.substr(0, 5), u"LINK,");
    EXPECT_EQ(ParseParameters(text.substr(5)), parsed.expected) << parsed.name;
  }
}

TEST(ParseParametersTest, EveryLanguageCodeTranslates) {
  const std::pair<const char16_t*, const char16_t*> rows[] = {
      {u"cn", u"CHS"}, {u"tw", u"CHT"}, {u"cz", u"CSY"}, {u"de", u"DEU"}, {u"es", u"ESP"},
      {u"en", u"ENU"}, {u"fr", u"FRA"}, {u"it", u"ITA"}, {u"jp", u"JPN"}, {u"kr", u"KOR"},
      {u"nl", u"NLD"}, {u"no", u"NON"}, {u"pg", u"PTG"}, {u"ru", u"RUS"}, {u"us", u"ENU"},
      {u"uk", u"ENG"}, {u"fn", u"FIN"}, {u"sw", u"SVE"}, {u"dn", u"DAN"}, {u"pl", u"POL"},
      {u"da", u"DAN"}, {u"hu", u"HUN"}, {u"hg", u"HUN"}, {u"tr", u"TUR"}, {u"ro", u"RON"},
      {u"El", u"ELL"}};
  for (const auto& [code, language] : rows) {
    EXPECT_EQ(ParseParameters(std::u16string(u"lid=") + code).at(u"language_id"), language)
        << "code " << ::testing::PrintToString(std::u16string(code));
  }
}

// Web forms send a number (the id compared exactly) and a locale (ignoring
// case) for a language id.
TEST(LanguageTableTest, NumberMatchesExactlyAndLocaleIgnoresCase) {
  const std::tuple<const char16_t*, const char16_t*, const char16_t*> rows[] = {
      {u"ENU", u"7", u"en_US"}, {u"DEU", u"4", u"de_DE"}, {u"deu", u"7", u"de_DE"},
      {u"PTB", u"13", u"en"},   {u"POL", u"7", u"pl_PL"}, {u"xx", u"7", u"en"},
  };
  for (const auto& [code, number, locale] : rows) {
    EXPECT_EQ(std::u16string(LanguageNumber(code)), number);
    EXPECT_EQ(std::u16string(LocaleCode(code)), locale);
  }
}

TEST(GetIntTest, ReadsDecimalPrefixClampedToRange) {
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  const std::pair<const char16_t*, int32_t> rows[] = {
      {u"12abc", 12},
      {u"", 0},
      {u"abc", 0},
      {u"99999999999", kMax},
      {u"-99999999999", kMin},
      {u"  \t-42", -42},
      {u"+7", 7},
      {u"2147483647", kMax},
      {u"2147483648", kMax},
      {u"-2147483648", kMin},
      {u"-2147483649", kMin},
      {u"0x10", 0},
  };
  for (const auto& [text, expected] : rows) {
    int32_t value = 123;
    EXPECT_TRUE(GetInt({{u"n", text}}, u"n", &value));
    EXPECT_EQ(value, expected) << ::testing::PrintToString(std::u16string(text));
  }
}

TEST(GetIntTest, AbsentKeyLeavesValueAlone) {
  int32_t value = 77;
  EXPECT_FALSE(GetInt({{u"other", u"1"}}, u"n", &value));
  EXPECT_EQ(value, 77);
  std::u16string text = u"kept";
  EXPECT_FALSE(GetText({}, u"n", &text));
  EXPECT_EQ(text, u"kept");
}

TEST(FormatToolCommandLineTest, WritesWordCommaAndQuotedPairs) {
  EXPECT_EQ(FormatToolCommandLine(u"LINK", ParseParameters(u"url=support,lang=de")),
            u"LINK,language_id=\"DEU\",url=\"support\"");
  EXPECT_EQ(FormatToolCommandLine(u"INFODISPLAY", {}), u"INFODISPLAY,");
}

}  // namespace
}  // namespace zelvo
