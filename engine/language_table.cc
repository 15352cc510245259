#include "engine/language_table.h"

#include "engine/text.h"

namespace zelvo {
namespace {

struct LanguageRow {
  std::u16string_view id;
  std::u16string_view codes[2];  // two-letter codes that stand for it
  std::u16string_view number;    // empty: none
  std::u16string_view locale;    // empty: none
};

// No code is an id, so a code translates into at most one id whatever the
// order of the rows.
constexpr LanguageRow kLanguages[] = {
    {u"CHS", {u"CN"}, u"8", u"zh_CN"},
    {u"CHT", {u"TW"}, u"19", u"zh_TW"},
    {u"CSY", {u"CZ"}, u"26", u"cs_CZ"},
    {u"DEU", {u"DE"}, u"4", u"de_DE"},
    {u"ESP", {u"ES"}, u"5", u"es_ES"},
    {u"ENU", {u"EN", u"US"}, {}, u"en_US"},
    {u"ENG", {u"UK"}, u"2", u"en_GB"},
    {u"FRA", {u"FR"}, u"1", u"fr_FR"},
    {u"ITA", {u"IT"}, u"3", u"it_IT"},
    {u"JPN", {u"JP"}, u"9", u"ja_JP"},
    {u"KOR", {u"KR"}, u"20", u"ko_KR"},
    {u"NLD", {u"NL"}, u"6", u"nl_NL"},
    {u"NON", {u"NO"}, u"17", u"no_NO"},
    {u"PTG", {u"PG"}, u"24", u"pt_BR"},
    {u"RUS", {u"RU"}, u"18", u"ru_RU"},
    {u"FIN", {u"FN"}, u"16", u"fi_FI"},
    {u"SVE", {u"SW"}, u"15", u"sv_SE"},
    {u"DAN", {u"DN", u"DA"}, u"14", u"da_DK"},
    {u"POL", {u"PL"}, {}, u"pl_PL"},
    {u"HUN", {u"HU", u"HG"}, {}, u"hu_HU"},
    {u"TUR", {u"TR"}, {}, u"tr_TR"},
    {u"RON", {u"RO"}, {}, u"ro_RO"},
    {u"ELL", {u"EL"}, {}, u"el_GR"},
    {u"PTB", {}, u"13", {}},
    {u"PLK", {}, u"25", {}},
};

constexpr size_t CodeCount() {
  size_t count = 0;
  for (const LanguageRow& row : kLanguages) {
    for (const std::u16string_view& code : row.codes) count += code.empty() ? 0 : 1;
  }
  return count;
}
static_assert(CodeCount() == 26);

}  // namespace

std::optional<std::u16string_view> LanguageOfCode(std::u16string_view code) {
  for (const LanguageRow& row : kLanguages) {
    for (std::u16string_view known : row.codes) {
      if (!known.empty() && AsciiEqualIgnoreCase(known, code)) return row.id;
    }
  }
  return std::nullopt;
}

std::u16string_view LanguageNumber(std::u16string_view language_id) {
  for (const LanguageRow& row : kLanguages) {
    if (!row.number.empty() && row.id == language_id) return row.number;
  }
  return u"7";
}

std::u16string_view LocaleCode(std::u16string_view language_id) {
  for (const LanguageRow& row : kLanguages) {
    if (!row.locale.empty() && AsciiEqualIgnoreCase(row.id, language_id)) return row.locale;
  }
  return u"en";
}

}  // namespace zelvo
