// The platform of the engine tests: the real one, with the machine folders
// pointed at a test's own folders, file-system calls counted, and faults
// injected.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "engine/platform/platform_wrapper.h"

namespace zelvo::testing {

// The platform of most engine tests.
class TestPlatform : public PlatformWrapper {
 public:
  // Machine folders: the base of the data folder (none = not resolvable).
  std::optional<std::string> app_data;
  std::optional<std::string> common_files;
  std::u16string command_line = u"/usr/bin/zelvo-test";
  bool monitor_present = false;

  // Faults.
  bool md5_unavailable = false;
  bool throw_in_md5 = false;
  // The n-th (from 1) step of writing a file fails: creating it, each append,
  // the flush, the close, the rename, the folder flush. 0 = none.
  int fail_write_step = 0;

  // Files that are there but cannot be read: opening them is refused, or
  // every read from them fails.
  std::set<std::string> refused_files;
  std::set<std::string> failing_reads;

  // Waiting for a folder lock takes at most this long, when set.
  std::optional<int> lock_timeout_ms;
  // Runs inside GetFileStamp, which a data change calls under the command
  // lock.
  std::function<void()> on_file_stamp;

  // Counters.
  std::atomic<int> file_system_calls{0};
  int write_steps = 0;

  bool CommonAppDataFolder(std::string* folder) override {
    ++file_system_calls;
    if (!app_data) return false;
    *folder = *app_data;
    return true;
  }
  std::vector<std::string> CommonFilesFolders() override {
    if (!common_files) return {};
    return {*common_files};
  }
  std::u16string ProcessCommandLine() override { return command_line; }
  std::unique_ptr<MonitorConnection> ConnectToMonitor() override {
    return monitor_present ? target_->ConnectToMonitor() : nullptr;
  }
  std::unique_ptr<Md5Hash> NewMd5() override {
    if (throw_in_md5) throw std::runtime_error("injected");
    if (md5_unavailable) return nullptr;
    return target_->NewMd5();
  }

  std::unique_ptr<ReadableFile> OpenForReading(const std::string& path, FileError* error) override;
  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& prefix,
                                                 std::string* created) override;
  bool RenameFile(const std::string& from, const std::string& to) override {
    ++file_system_calls;
    return !WriteStepFails() && target_->RenameFile(from, to);
  }
  bool SyncFolder(const std::string& folder) override {
    ++file_system_calls;
    return !WriteStepFails() && target_->SyncFolder(folder);
  }
  bool RemoveFile(const std::string& path) override {
    ++file_system_calls;
    return target_->RemoveFile(path);
  }
  bool PathExists(const std::string& path) override {
    ++file_system_calls;
    return target_->PathExists(path);
  }
  bool CreateFolder(const std::string& path) override {
    ++file_system_calls;
    return target_->CreateFolder(path);
  }
  bool ListFiles(const std::string& folder, std::vector<std::string>* names) override {
    ++file_system_calls;
    return target_->ListFiles(folder, names);
  }
  FileError GetFileStamp(const std::string& path, FileStamp* stamp) override {
    ++file_system_calls;
    if (on_file_stamp) on_file_stamp();
    return target_->GetFileStamp(path, stamp);
  }
  std::unique_ptr<FolderLock> LockFolder(const std::string& folder, int timeout_ms) override {
    ++file_system_calls;
    return target_->LockFolder(folder, lock_timeout_ms.value_or(timeout_ms));
  }
  void GrantEveryoneAccess(const std::string& path) override {
    ++file_system_calls;
    target_->GrantEveryoneAccess(path);
  }

  bool WriteStepFails() { return ++write_steps == fail_write_step; }
};

}  // namespace zelvo::testing
