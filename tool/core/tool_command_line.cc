#include "tool/core/tool_command_line.h"

#include "engine/text.h"

namespace zelvo {

ToolCommandLine SplitToolCommandLine(std::u16string_view line) {
  constexpr std::u16string_view kScheme = u"zvm:";
  if (line.size() >= kScheme.size() &&
      AsciiEqualIgnoreCase(line.substr(0, kScheme.size()), kScheme)) {
    line.remove_prefix(kScheme.size());
  }
  const size_t comma = line.find(u',');
  if (comma == std::u16string_view::npos) return {std::u16string(line), {}};
  return {std::u16string(line.substr(0, comma)), std::u16string(line.substr(comma + 1))};
}

}  // namespace zelvo
