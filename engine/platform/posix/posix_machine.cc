// Where machine-wide data and programs live, and who this process is.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "engine/platform/posix/posix_platform.h"
#include "engine/text.h"

namespace zelvo {
namespace {

std::string EnvironmentOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool PosixPlatform::CommonAppDataFolder(std::string* folder) {
  std::string base = EnvironmentOr("ZELVO_COMMON_APPDATA", "/var/lib");
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  if (!IsFolder(base)) ::mkdir(base.c_str(), 0755);
  if (!IsFolder(base)) return false;
  *folder = std::move(base);
  return true;
}

std::vector<std::string> PosixPlatform::CommonFilesFolders() {
  std::string base = EnvironmentOr("ZELVO_COMMON_FILES", "");
  if (base.empty()) {
    // The libexec folder of the install this code was loaded from: the
    // library's (or the program's) own folder, then the way to libexec.
    Dl_info info;
    if (::dladdr(reinterpret_cast<void*>(&IsFolder), &info) == 0 || info.dli_fname == nullptr)
      return {};
    char* resolved = ::realpath(info.dli_fname, nullptr);
    if (resolved == nullptr) return {};
    const std::string own_path = resolved;
    std::free(resolved);
    base = own_path.substr(0, own_path.rfind('/') + 1) + ZELVO_LIBEXEC_FROM_LIBDIR;
  }
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return {std::move(base)};
}

std::u16string PosixPlatform::ProcessCommandLine() {
  // The arguments, separated by NUL bytes in the file, joined by one blank.
  std::string line;
  const int fd = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return u"";
  char buffer[4096];
  ssize_t got;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
    line.append(buffer, static_cast<size_t>(got));
  ::close(fd);
  while (!line.empty() && line.back() == '\0') line.pop_back();
  for (char& c : line) {
    if (c == '\0') c = ' ';
  }
  return Utf8ToUtf16(line);
}

}  // namespace zelvo
