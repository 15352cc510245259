#include "tests/support/power_loss_platform.h"

#include <filesystem>

#include "tests/support/store_bytes.h"

namespace zelvo::testing {
namespace {

class TrackedFile final : public WritableFile {
 public:
  TrackedFile(std::unique_ptr<WritableFile> target, std::shared_ptr<PowerLossPlatform::Node> node,
              PowerLossPlatform* platform)
      : target_(std::move(target)), node_(std::move(node)), platform_(platform) {}

  bool Append(const uint8_t* data, size_t n) override {
    if (!platform_->Step() || !target_->Append(data, n)) return false;
    node_->written.append(reinterpret_cast<const char*>(data), n);
    return true;
  }
  bool Sync() override {
    if (!platform_->Step() || !target_->Sync()) return false;
    node_->flushed = node_->written;
    return true;
  }
  bool Close() override { return platform_->Step() && target_->Close(); }

 private:
  std::unique_ptr<WritableFile> target_;
  std::shared_ptr<PowerLossPlatform::Node> node_;
  PowerLossPlatform* platform_;
};

}  // namespace

PowerLossPlatform::PowerLossPlatform(const std::string& folder) : folder_(folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string path = entry.path().string();
    auto node = std::make_shared<Node>();
    node->written = node->flushed = ReadFileBytes(path);
    names_[path] = durable_names_[path] = node;
  }
}

std::unique_ptr<WritableFile> PowerLossPlatform::CreateUniqueFile(const std::string& prefix,
                                                                  std::string* created) {
  if (!Step()) return nullptr;
  std::unique_ptr<WritableFile> file = target_->CreateUniqueFile(prefix, created);
  if (!file) return nullptr;
  auto node = std::make_shared<Node>();
  names_[*created] = node;
  return std::make_unique<TrackedFile>(std::move(file), node, this);
}

bool PowerLossPlatform::RenameFile(const std::string& from, const std::string& to) {
  if (!Step() || !target_->RenameFile(from, to)) return false;
  names_[to] = names_[from];
  names_.erase(from);
  return true;
}

bool PowerLossPlatform::SyncFolder(const std::string& folder) {
  if (!Step() || !target_->SyncFolder(folder)) return false;
  durable_names_ = names_;
  return true;
}

bool PowerLossPlatform::RemoveFile(const std::string& path) {
  if (!Step() || !target_->RemoveFile(path)) return false;
  names_.erase(path);
  return true;
}

void PowerLossPlatform::LosePower() {
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
    std::filesystem::remove(entry.path());
  }
  for (const auto& [path, node] : durable_names_) WriteFileBytes(path, node->flushed);
  names_ = durable_names_;
}

}  // namespace zelvo::testing
