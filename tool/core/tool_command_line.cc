#include "tool/core/tool_command_line.h"

#include "engine/text.h"

namespace zelvo {
namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

std::u16string PercentDecoded(std::u16string_view text) {
  std::u16string decoded;
  std::string bytes;  // a run of escapes, decoded together as UTF-8
  for (size_t i = 0; i < text.size(); ++i) {
    const int high = text[i] == u'%' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
    if (low >= 0) {
      bytes.push_back(static_cast<char>(high << 4 | low));
      i += 2;
      continue;
    }
    decoded += Utf8ToUtf16(bytes);
    bytes.clear();
    decoded.push_back(text[i]);
  }
  return decoded + Utf8ToUtf16(bytes);
}

}  // namespace

ToolCommandLine SplitToolCommandLine(std::u16string_view whole) {
  constexpr std::u16string_view kScheme = u"zvm:";
  std::u16string decoded;
  std::u16string_view line = whole;
  if (line.size() >= kScheme.size() &&
      AsciiEqualIgnoreCase(line.substr(0, kScheme.size()), kScheme)) {
    decoded = PercentDecoded(line.substr(kScheme.size()));
    line = decoded;
  }
  const size_t comma = line.find(u',');
  if (comma == std::u16string_view::npos) return {std::u16string(line), {}};
  return {std::u16string(line.substr(0, comma)), std::u16string(line.substr(comma + 1))};
}

}  // namespace zelvo
