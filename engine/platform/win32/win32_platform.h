// The Windows implementation of the platform interface. Paths are UTF-8
// inside the engine and UTF-16 at the system calls; only the W functions are
// called.
#pragma once

#include <string>

#include "engine/platform/platform.h"

namespace zelvo {

class Win32Platform final : public Platform {
 public:
  char PathSeparator() const override { return '\\'; }
  std::string ProgramFileName(std::string_view name) const override {
    return std::string(name) + ".exe";
  }
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

// A UTF-8 path as the wide text the system calls take.
std::wstring WidePath(const std::string& path);
// Wide system text as UTF-8.
std::string Utf8FromWide(const wchar_t* text);

// The character that starts at text[at] (one unit, or a surrogate pair) in
// the system ANSI code page, and how many units it took; no bytes when the
// code page lacks it.
struct AnsiCharacter {
  std::string bytes;
  size_t units;
};
AnsiCharacter ToAnsiCharacter(std::u16string_view text, size_t at);

// What a failed file call's GetLastError() says of the file.
FileError FileErrorOf(unsigned long error);

}  // namespace zelvo
