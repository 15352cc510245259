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
// A line with the prefix comes from a browser, which percent-encodes what it
// passes: its %XX escapes (UTF-8 bytes) are decoded first. A "%" without two
// hexadecimal digits stays as it is.
ToolCommandLine SplitToolCommandLine(std::u16string_view line);

}  // namespace zelvo
