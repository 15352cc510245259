#include "engine/data_folder.h"

#include "engine/names.h"

#include <vector>

#include "engine/chunk_file.h"
#include "engine/store_file.h"

namespace zelvo {
namespace {

constexpr ChunkTag kAccessMarkerMagic("ZFIX");
constexpr int kLockTimeoutMs = 5000;

}  // namespace

DataFolder::DataFolder(Platform* platform) : platform_(platform) {}

const std::string& DataFolder::Path() {
  if (!path_.empty()) return path_;
  std::string base;
  if (!platform_->CommonAppDataFolder(&base)) return path_;

  const char separator = platform_->PathSeparator();
  const std::string company = base + separator + kCompanyName.narrow;
  if (!platform_->PathExists(company)) {
    platform_->CreateFolder(company);
    platform_->GrantEveryoneAccess(company);
  }
  const std::string product = company + separator + kProductName.narrow;
  if (!platform_->PathExists(product)) {
    platform_->CreateFolder(product);
    // A new company folder hands its inheritable entry down, but only where
    // the file system keeps access lists: the folder is opened explicitly.
    platform_->GrantEveryoneAccess(product);
  }
  // Creation failures are not reported here: they show as open failures when
  // a store file is used.
  path_ = product + separator;
  if (!platform_->PathExists(path_ + kAccessMarkerFileName)) FixFolderAccess();
  return path_;
}

void DataFolder::FixFolderAccess() {
  std::string base;
  if (!platform_->CommonAppDataFolder(&base)) return;
  const char separator = platform_->PathSeparator();
  const std::string company = base + separator + kCompanyName.narrow;
  const std::string folder = company + separator + kProductName.narrow + separator;
  platform_->GrantEveryoneAccess(company);
  platform_->GrantEveryoneAccess(folder);
  std::vector<std::string> names;
  if (platform_->ListFiles(folder, &names)) {
    for (const std::string& name : names) platform_->GrantEveryoneAccess(folder + name);
  }
  // The marker is written under the lock like every store file. Loading the
  // library does not wait for it: while another process writes, a later
  // process writes the marker.
  const auto lock = Lock(folder, 0);
  if (!lock) return;
  ChunkFile marker(platform_);
  if (marker.Open(folder + kAccessMarkerFileName, kAccessMarkerMagic, FileMode::kWrite) == 0) {
    FinishStoreFile(&marker);
  }
}

std::unique_ptr<FolderLock> DataFolder::Lock(const std::string& folder, int timeout_ms) {
  auto lock = platform_->LockFolder(folder.empty() ? "." : folder, timeout_ms);
  if (lock) RemoveLeftoverFiles(folder);
  return lock;
}

void DataFolder::RemoveLeftoverFiles(const std::string& folder) {
  std::vector<std::string> names;
  if (!platform_->ListFiles(folder.empty() ? "." : folder, &names)) return;
  for (const std::string& name : names) {
    for (const char* store : {kUserProfileFileName, kDataStoreFileName, kAccessMarkerFileName}) {
      if (name.starts_with(std::string(store) + kTemporaryInfix))
        platform_->RemoveFile(folder + name);
    }
  }
}

std::unique_ptr<FolderLock> DataFolder::LockForChange() { return Lock(Path(), kLockTimeoutMs); }

}  // namespace zelvo
