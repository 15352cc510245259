#include "engine/data_folder.h"

#include <vector>

#include "engine/chunk_file.h"
#include "engine/store_file.h"

namespace zelvo {
namespace {

constexpr char kCompanyFolderName[] = "Orvane Systems";
constexpr char kProductFolderName[] = "Zelvo";
constexpr ChunkTag kAccessMarkerMagic("ZFIX");
constexpr int kLockTimeoutMs = 5000;

}  // namespace

DataFolder::DataFolder(Platform* platform) : platform_(platform) {}

const std::string& DataFolder::Path() {
  if (!path_.empty()) return path_;
  std::string base;
  if (!platform_->CommonAppDataFolder(&base)) return path_;

  const char separator = platform_->PathSeparator();
  const std::string company = base + separator + kCompanyFolderName;
  bool company_created = false;
  if (!platform_->PathExists(company)) {
    platform_->CreateFolder(company);
    platform_->GrantEveryoneAccess(company);
    company_created = true;
  }
  const std::string product = company + separator + kProductFolderName;
  if (!platform_->PathExists(product)) {
    platform_->CreateFolder(product);
    // A new company folder hands its inheritable entry down already.
    if (!company_created) platform_->GrantEveryoneAccess(product);
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
  const std::string company = base + separator + kCompanyFolderName;
  const std::string folder = company + separator + kProductFolderName + separator;
  platform_->GrantEveryoneAccess(company);
  platform_->GrantEveryoneAccess(folder);
  std::vector<std::string> names;
  if (platform_->ListFiles(folder, &names)) {
    for (const std::string& name : names) platform_->GrantEveryoneAccess(folder + name);
  }
  ChunkFile marker(platform_);
  if (marker.Open(folder + kAccessMarkerFileName, kAccessMarkerMagic, FileMode::kWrite) == 0) {
    FinishStoreFile(&marker);
  }
}

std::unique_ptr<FolderLock> DataFolder::LockForChange() {
  const std::string& folder = Path();
  return platform_->LockFolder(folder.empty() ? "." : folder, kLockTimeoutMs);
}

}  // namespace zelvo
