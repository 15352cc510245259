// The tool's command line: an optional "zvm:" prefix (the URL scheme), a
// command word, and after the first comma the parameter string.
#pragma once

#include <string>

namespace zelvo {

struct ToolCommandLine {
  std::u16string command;     // as received, not trimmed
  std::u16string parameters;  // everything after the first comma
};

// Splits a command line after removing a leading "zvm:" in any letter case.
ToolCommandLine SplitToolCommandLine(std::u16string_view line);

}  // namespace zelvo
