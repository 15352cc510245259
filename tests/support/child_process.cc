#include "tests/support/child_process.h"

namespace zelvo::testing {

std::optional<std::string> LiveChild::ReadLine() {
  while (true) {
    const size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    char buffer[4096];
    const size_t n = ReadSome(buffer, sizeof buffer);
    if (n == 0) return std::nullopt;
    pending_.append(buffer, n);
  }
}

}  // namespace zelvo::testing
