// A folder of its own for one test, removed with everything in it at the end.
#pragma once

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

namespace zelvo::testing {

// `path` with each '/' written as the platform's separator, so that paths a
// test builds compare equal to those the engine builds.
inline std::string NativePath(std::string path) {
#ifdef _WIN32
  std::replace(path.begin(), path.end(), '/', '\\');
#endif
  return path;
}

class TempFolder {
 public:
  // Below the system's temporary folder ($TMPDIR, or %TEMP% on Windows);
  // the path is empty when no folder could be made.
  TempFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) return;
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path candidate =
          base / ("zelvo-test-" + std::to_string(random() % 100000000));
      // True only when this call made the folder.
      if (std::filesystem::create_directory(candidate, error)) {
        // Private to this user until a test opens it.
        std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, error);
        path_ = candidate.string();
        return;
      }
    }
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }

  const std::string& path() const { return path_; }
  // A path inside the folder; `relative` is written with '/'.
  std::string Path(const std::string& relative) const { return NativePath(path_ + "/" + relative); }

 private:
  std::string path_;
};

}  // namespace zelvo::testing
