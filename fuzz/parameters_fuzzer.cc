// Parses arbitrary text as a parameter string, writes the map back as the
// tool's command line and parses that again: the same map must come back,
// apart from keys the scanner cannot give back: the empty key and keys that
// do not begin with a letter (possible only inside quotes).
#include <cstdlib>
#include <string>

#include "engine/parameters.h"
#include "engine/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvo;
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  ParameterMap map = ParseParameters(text);
  std::erase_if(map,
                [](const auto& entry) { return entry.first.empty() || !IsLetter(entry.first[0]); });
  const std::u16string line = FormatToolCommandLine(u"LINK", map);
  if (ParseParameters(std::u16string_view(line).substr(5)) != map) std::abort();
  int32_t number;
  for (const auto& [key, value] : map) GetInt(map, key, &number);
  return 0;
}
