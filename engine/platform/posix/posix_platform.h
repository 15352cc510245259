// The Linux implementation of the platform interface.
#pragma once

#include "engine/platform/platform.h"

namespace zelvo {

class PosixPlatform final : public Platform {
 public:
  char PathSeparator() const override { return '/'; }
  std::string ProgramFileName(std::string_view name) const override { return std::string(name); }
  std::unique_ptr<ReadableFile> OpenForReading(const std::string& path, FileError* error) override;
  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string& path_prefix,
                                                 std::string* created_path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool SyncFolder(const std::string& folder) override;
  bool RemoveFile(const std::string& path) override;
  bool PathExists(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  bool ListFiles(const std::string& folder, std::vector<std::string>* names) override;
  FileError GetFileStamp(const std::string& path, FileStamp* stamp) override;
  std::unique_ptr<FolderLock> LockFolder(const std::string& folder, int timeout_ms) override;
  void GrantEveryoneAccess(const std::string& path) override;

  bool CommonAppDataFolder(std::string* folder) override;
  std::vector<std::string> CommonFilesFolders() override;
  std::u16string ProcessCommandLine() override;

  std::unique_ptr<Md5Hash> NewMd5() override;
  std::unique_ptr<MonitorConnection> ConnectToMonitor() override;
  ProgramOutcome RunProgram(const std::string& program, std::u16string_view argument) override;

  bool AnsiToWide(std::string_view ansi, std::u16string* wide) override;
  std::string WideToAnsi(std::u16string_view wide, size_t max_bytes) override;
};

}  // namespace zelvo
