// A platform that remembers what a real disk would keep if the power went:
// a file's content only up to its last flush, and names (creates, renames,
// deletions) only up to the last flush of their folder. After `steps_left`
// more write steps the power goes: every further step fails and changes
// nothing. LosePower() then lays the folder out as it would be found.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "tests/support/test_platform.h"

namespace zelvo::testing {

class PowerLossPlatform : public PlatformWrapper {
 public:
  // Files already in `folder` count as on disk.
  explicit PowerLossPlatform(const std::string& folder);

  int steps_left = 1 << 30;

  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& prefix,
                                                 std::string* created) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool SyncFolder(const std::string& folder) override;
  bool RemoveFile(const std::string& path) override;

  void LosePower();

  struct Node {
    std::string written;
    std::string flushed;
  };
  bool Step() { return steps_left-- > 0; }

 private:
  std::string folder_;
  std::map<std::string, std::shared_ptr<Node>> names_;
  std::map<std::string, std::shared_ptr<Node>> durable_names_;
};

}  // namespace zelvo::testing
