// The names every part of Zelvo finds the others by: the company and product
// folders and settings, the desktop tool's program, and the debugging
// monitor's channel. Each is given once, as narrow text for file names and
// as UTF-16 for settings, windows and messages.
#pragma once

#include <cstddef>

namespace zelvo {

template <size_t N>
struct AsciiName {
  constexpr AsciiName(const char (&text)[N]) {
    for (size_t i = 0; i < N; ++i) {
      narrow[i] = text[i];
      wide[i] = static_cast<char16_t>(text[i]);
#ifdef _WIN32
      windows[i] = static_cast<wchar_t>(text[i]);
#endif
    }
  }
  char narrow[N] = {};
  char16_t wide[N] = {};
#ifdef _WIN32
  wchar_t windows[N] = {};  // for the system's calls
#endif
};

inline constexpr AsciiName kCompanyName("Orvane Systems");
inline constexpr AsciiName kProductName("Zelvo");
// The desktop tool's program (with the platform's program suffix), its
// settings, and the prefix of its translations' files.
inline constexpr AsciiName kToolName("ZelvoTool");
// The monitor's window title on Windows, its socket's name on Linux.
inline constexpr AsciiName kMonitorName("Zelvo5 Debugging Tool");

}  // namespace zelvo
