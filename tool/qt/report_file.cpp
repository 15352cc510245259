#include "tool/qt/report_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <QDir>

namespace zelvo {

QString WriteReportFile(const std::string& bytes) {
  std::string pattern = QDir::tempPath().toStdString() + "/ZelXXXXXX.html";
  const int fd = ::mkstemps(pattern.data(), 5);
  if (fd < 0) return QString();
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
    return QString();
  }
  return QString::fromStdString(pattern);
}

}  // namespace zelvo
