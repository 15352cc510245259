// A platform for fuzzing: every file opened for reading holds the fuzzer's
// input, the last file written is kept in memory, and there is no data folder
// (stores use bare names), so one input runs in microseconds without touching
// the disk.
#pragma once

#include <cstring>
#include <span>
#include <vector>

#include "engine/platform/platform.h"

namespace zelvo::fuzzing {

class MemoryReadableFile final : public ReadableFile {
 public:
  explicit MemoryReadableFile(std::span<const uint8_t> data) : data_(data) {
    stamp_.size = data.size();
  }
  bool Read(uint8_t* buffer, size_t n, size_t* bytes_read) override {
    *bytes_read = std::min(n, data_.size());
    if (*bytes_read > 0) std::memcpy(buffer, data_.data(), *bytes_read);
    data_ = data_.subspan(*bytes_read);
    return true;
  }
  const FileStamp& Stamp() const override { return stamp_; }

 private:
  std::span<const uint8_t> data_;
  FileStamp stamp_;
};

class MemoryWritableFile final : public WritableFile {
 public:
  explicit MemoryWritableFile(std::vector<uint8_t>* bytes) : bytes_(bytes) { bytes_->clear(); }
  bool Append(const uint8_t* data, size_t n) override {
    bytes_->insert(bytes_->end(), data, data + n);
    return true;
  }
  bool Sync() override { return true; }
  bool Close() override { return true; }

 private:
  std::vector<uint8_t>* bytes_;
};

class MemoryPlatform final : public Platform {
 public:
  std::span<const uint8_t> input;
  std::vector<uint8_t> written;

  char PathSeparator() const override { return '/'; }
  std::string ProgramFileName(std::string_view name) const override { return std::string(name); }
  std::unique_ptr<ReadableFile> OpenForReading(const std::string&, FileError*) override {
    return std::make_unique<MemoryReadableFile>(input);
  }
  std::unique_ptr<WritableFile> CreateUniqueFile(const std::string&, std::string*) override {
    return std::make_unique<MemoryWritableFile>(&written);
  }
  bool RenameFile(const std::string&, const std::string&) override { return true; }
  bool SyncFolder(const std::string&) override { return true; }
  bool RemoveFile(const std::string&) override { return false; }
  bool PathExists(const std::string&) override { return false; }
  bool CreateFolder(const std::string&) override { return false; }
  bool ListFiles(const std::string&, std::vector<std::string>*) override { return false; }
  FileError GetFileStamp(const std::string&, FileStamp*) override { return FileError::kMissing; }
  std::unique_ptr<FolderLock> LockFolder(const std::string&, int) override { return nullptr; }
  void GrantEveryoneAccess(const std::string&) override {}
  bool CommonAppDataFolder(std::string*) override { return false; }
  std::vector<std::string> CommonFilesFolders() override { return {}; }
  std::u16string ProcessCommandLine() override { return u"fuzzer"; }
  std::unique_ptr<Md5Hash> NewMd5() override { return Default()->NewMd5(); }
  std::unique_ptr<MonitorConnection> ConnectToMonitor() override { return nullptr; }
  ProgramOutcome RunProgram(const std::string&, std::u16string_view) override { return {}; }
  bool AnsiToWide(std::string_view, std::u16string*) override { return false; }
  std::string WideToAnsi(std::u16string_view, size_t) override { return {}; }
};

}  // namespace zelvo::fuzzing
