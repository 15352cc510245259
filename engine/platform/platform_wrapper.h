// A platform that forwards every call to another one; a base for platforms
// that change a few calls (tests, fuzzers).
#pragma once

#include "engine/platform/platform.h"

namespace zelvo {

class PlatformWrapper : public Platform {
 public:
  explicit PlatformWrapper(Platform* target = Platform::Default()) : target_(target) {}

  char PathSeparator() const override { return target_->PathSeparator(); }
  std::string ProgramFileName(std::string_view name) const override {
    return target_->ProgramFileName(name);
  }
  std::unique_ptr<ReadableFile> OpenForReading(const std::string& path, FileError* error) override {
    return target_->OpenForReading(path, error);
  }
  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& prefix,
                                                 std::string* created) override {
    return target_->CreateUniqueFile(prefix, created);
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    return target_->RenameFile(from, to);
  }
  bool SyncFolder(const std::string& folder) override { return target_->SyncFolder(folder); }
  bool RemoveFile(const std::string& path) override { return target_->RemoveFile(path); }
  bool PathExists(const std::string& path) override { return target_->PathExists(path); }
  bool CreateFolder(const std::string& path) override { return target_->CreateFolder(path); }
  bool ListFiles(const std::string& folder, std::vector<std::string>* names) override {
    return target_->ListFiles(folder, names);
  }
  FileError GetFileStamp(const std::string& path, FileStamp* stamp) override {
    return target_->GetFileStamp(path, stamp);
  }
  std::unique_ptr<FolderLock> LockFolder(const std::string& folder, int timeout_ms) override {
    return target_->LockFolder(folder, timeout_ms);
  }
  void GrantEveryoneAccess(const std::string& path) override { target_->GrantEveryoneAccess(path); }
  bool CommonAppDataFolder(std::string* folder) override {
    return target_->CommonAppDataFolder(folder);
  }
  std::vector<std::string> CommonFilesFolders() override { return target_->CommonFilesFolders(); }
  std::u16string ProcessCommandLine() override { return target_->ProcessCommandLine(); }
  std::unique_ptr<Md5Hash> NewMd5() override { return target_->NewMd5(); }
  std::unique_ptr<MonitorConnection> ConnectToMonitor() override {
    return target_->ConnectToMonitor();
  }
  ProgramOutcome RunProgram(const std::string& program, std::u16string_view argument) override {
    return target_->RunProgram(program, argument);
  }
  bool AnsiToWide(std::string_view ansi, std::u16string* wide) override {
    return target_->AnsiToWide(ansi, wide);
  }
  std::string WideToAnsi(std::u16string_view wide, size_t max_bytes) override {
    return target_->WideToAnsi(wide, max_bytes);
  }

 protected:
  Platform* const target_;
};

}  // namespace zelvo
