#include "tests/support/test_platform.h"

namespace zelvo::testing {
namespace {

class FaultyWritableFile final : public WritableFile {
 public:
  FaultyWritableFile(std::unique_ptr<WritableFile> target, TestPlatform* platform)
      : target_(std::move(target)), platform_(platform) {}

  bool Append(const uint8_t* data, size_t n) override {
    return !platform_->WriteStepFails() && target_->Append(data, n);
  }
  bool Sync() override { return !platform_->WriteStepFails() && target_->Sync(); }
  bool Close() override {
    const bool closed = target_->Close();
    return !platform_->WriteStepFails() && closed;
  }

 private:
  std::unique_ptr<WritableFile> target_;
  TestPlatform* platform_;
};

class FailingReadableFile final : public ReadableFile {
 public:
  explicit FailingReadableFile(std::unique_ptr<ReadableFile> target) : target_(std::move(target)) {}
  bool Read(uint8_t*, size_t, size_t* bytes_read) override {
    *bytes_read = 0;
    return false;
  }
  const FileStamp& Stamp() const override { return target_->Stamp(); }

 private:
  std::unique_ptr<ReadableFile> target_;
};

}  // namespace

std::unique_ptr<ReadableFile> TestPlatform::OpenForReading(const std::string& path,
                                                           FileError* error) {
  ++file_system_calls;
  if (refused_files.contains(path)) {
    *error = FileError::kUnavailable;
    return nullptr;
  }
  std::unique_ptr<ReadableFile> file = target_->OpenForReading(path, error);
  if (file && failing_reads.contains(path)) {
    return std::make_unique<FailingReadableFile>(std::move(file));
  }
  return file;
}

std::unique_ptr<WritableFile> TestPlatform::CreateUniqueFile(const std::string& prefix,
                                                             std::string* created) {
  ++file_system_calls;
  if (WriteStepFails()) return nullptr;
  std::unique_ptr<WritableFile> file = target_->CreateUniqueFile(prefix, created);
  if (!file) return nullptr;
  return std::make_unique<FaultyWritableFile>(std::move(file), this);
}

}  // namespace zelvo::testing
