// The monitor's command line, the same on every platform: nothing, --help or
// --version; anything else is a usage error.
#pragma once

#include <cstdio>
#include <cstring>

namespace zelvo {

// The exit status to end with at once, or -1 to go on listening.
inline int HandleMonitorArguments(int argc, char** argv, const char* usage) {
  if (argc < 2) return -1;
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(usage, stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::puts("zelvo-monitor " ZELVO_VERSION);
    return 0;
  }
  std::fprintf(stderr, "zelvo-monitor: unexpected argument %s\n", argv[1]);
  std::fputs(usage, stderr);
  return 2;
}

}  // namespace zelvo
