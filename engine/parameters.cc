#include "engine/parameters.h"

#include <limits>

#include "engine/language_table.h"
#include "engine/text.h"

namespace zelvo {
namespace {

struct AliasRow {
  std::u16string_view aliases[5];
  std::u16string_view canonical;
  bool translate_language;
};

// Matched in this order; the first row with a matching alias applies.
constexpr AliasRow kAliasRows[] = {
    {{u"PID", u"PRODUCTID", u"PRODUCT", u"PROD"}, u"product_id", false},
    {{u"LANGUAGEID", u"LANGUAGE", u"LANG", u"LID", u"LANGUE_ID"}, u"language_id", true},
    {{u"PRODUCTNAME"}, u"prodname", false},
    {{u"FIRST"}, u"firstname", false},
    {{u"LAST"}, u"lastname", false},
    {{u"COUNTRY"}, u"country_id", false},
    {{u"VALUENAME", u"VALUE"}, u"valname", false},
    {{u"MEMBERID"}, u"member_id", false},
};

// Bit i is set when an alias starts with the i-th letter of the alphabet.
constexpr uint32_t kAliasInitials = [] {
  uint32_t bits = 0;
  for (const AliasRow& row : kAliasRows) {
    for (const std::u16string_view& alias : row.aliases) {
      if (!alias.empty()) bits |= 1u << (AsciiLower(alias[0]) - u'a');
    }
  }
  return bits;
}();

const AliasRow* FindAliasRow(std::u16string_view key) {
  // Most keys are no alias, which their first letter mostly tells.
  const char16_t initial = key.empty() ? u'\0' : AsciiLower(key[0]);
  if (initial < u'a' || initial > u'z' || (kAliasInitials >> (initial - u'a') & 1) == 0) {
    return nullptr;
  }
  for (const AliasRow& row : kAliasRows) {
    for (std::u16string_view alias : row.aliases) {
      if (!alias.empty() && AsciiEqualIgnoreCase(alias, key)) return &row;
    }
  }
  return nullptr;
}

std::pmr::u16string TranslateLanguage(std::pmr::u16string value) {
  if (const std::optional<std::u16string_view> language = LanguageOfCode(value)) {
    value = *language;
  }
  return value;
}

void StorePair(ParameterMap* map, std::pmr::u16string* key, std::pmr::u16string* value) {
  for (char16_t& c : *key) c = AsciiLower(c);
  map->insert_or_assign(std::move(*key), std::move(*value));
  key->clear();
  value->clear();
}

ParameterMap Scan(std::u16string_view text, std::pmr::memory_resource* memory) {
  enum class Phase { kBetweenPairs, kInKey, kAfterEquals, kInValue };
  Phase phase = Phase::kBetweenPairs;
  bool quoted = false;
  std::pmr::u16string key(memory);
  std::pmr::u16string value(memory);
  ParameterMap map(memory);
  // A value is mostly one run of the text; runs are appended whole, broken
  // only where a quote is dropped.
  constexpr size_t kNoRun = std::u16string_view::npos;
  size_t run = kNoRun;
  const auto end_run = [&](size_t end) {
    if (run != kNoRun) value.append(text.substr(run, end - run));
    run = kNoRun;
  };

  // The steps run in order on the same character, so a character that ends
  // one phase is looked at again by the next.
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i];
    if (phase == Phase::kBetweenPairs) {
      if (!IsLetter(ch) && ch != u'"') continue;
      phase = Phase::kInKey;
    }
    if (phase == Phase::kInKey) {
      if (!quoted && ch == u'=') phase = Phase::kAfterEquals;
      if (ch == u'"') quoted = !quoted;
      if (!quoted && ch == u',') {
        StorePair(&map, &key, &value);
        phase = Phase::kBetweenPairs;
      } else if (IsLetter(ch) || IsDigit(ch) || ch == u'_') {
        key.push_back(ch);
      }
    }
    if (phase == Phase::kAfterEquals) {
      if (ch != u'=' && !IsWhiteSpace(ch)) phase = Phase::kInValue;
    }
    if (phase == Phase::kInValue) {
      if (ch == u'"') {
        end_run(i);
        quoted = !quoted;
      } else if (quoted || ch != u',') {
        if (run == kNoRun) run = i;
      } else {
        end_run(i);
        StorePair(&map, &key, &value);
        phase = Phase::kBetweenPairs;
      }
    }
  }
  end_run(text.size());
  if (!key.empty()) StorePair(&map, &key, &value);
  return map;
}

// Folds alias keys onto canonical keys. Each removal of an alias restarts the
// visit, so the alias that comes later in key order is applied last and wins.
void ApplyAliases(ParameterMap* map) {
  auto it = map->begin();
  while (it != map->end()) {
    const AliasRow* row = FindAliasRow(it->first);
    if (row == nullptr) {
      ++it;
      continue;
    }
    std::pmr::u16string value =
        row->translate_language ? TranslateLanguage(it->second) : it->second;
    if (AsciiEqualIgnoreCase(it->first, row->canonical)) {
      it->second = std::move(value);
      ++it;
      continue;
    }
    map->erase(it);
    map->insert_or_assign(std::pmr::u16string(row->canonical, map->get_allocator()),
                          std::move(value));
    it = map->begin();
  }
}

}  // namespace

ParameterMap ParseParameters(std::u16string_view text, std::pmr::memory_resource* memory) {
  ParameterMap map = Scan(text, memory);
  ApplyAliases(&map);
  return map;
}

bool GetText(const ParameterMap& map, std::u16string_view key, std::u16string* value) {
  auto it = map.find(key);
  if (it == map.end()) return false;
  *value = it->second;
  return true;
}

bool GetInt(const ParameterMap& map, std::u16string_view key, int32_t* value) {
  std::u16string text;
  if (!GetText(map, key, &text)) return false;
  size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // The magnitude stops growing just past the 32-bit range; the sign and the
  // clamp then give the nearest limit.
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - u'0');
    if (magnitude > kMax + 1) magnitude = kMax + 1;
  }
  const int64_t number = negative ? -magnitude : magnitude;
  *value = static_cast<int32_t>(number < kMin ? kMin : number > kMax ? kMax : number);
  return true;
}

std::u16string FormatToolCommandLine(std::u16string_view command_word, const ParameterMap& map) {
  std::u16string text(command_word);
  text.push_back(u',');
  bool first = true;
  for (const auto& [key, value] : map) {
    if (!first) text.push_back(u',');
    first = false;
    text.append(key).append(u"=\"").append(value).push_back(u'"');
  }
  return text;
}

}  // namespace zelvo
