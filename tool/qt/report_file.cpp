#include "tool/qt/report_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <QDir>

#include "engine/text.h"

namespace zelvo {

std::string WriteReportFile(std::u16string_view page) {
  const std::string bytes = Utf16ToUtf8(page);
  std::string pattern = QDir::tempPath().toStdString() + "/ZelXXXXXX.html";
  const int fd = ::mkstemps(pattern.data(), 5);
  if (fd < 0) return {};
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    ::unlink(pattern.c_str());
    return {};
  }
  return pattern;
}

}  // namespace zelvo
