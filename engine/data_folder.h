// The data folder that every user of the machine shares:
// <common application data>/Orvane Systems/Zelvo/, created on first use and
// opened to all users, with the access marker "fixed.zfix" recording that
// the opening was done.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/platform/platform.h"

namespace zelvo {

inline constexpr char kUserProfileFileName[] = "user.zu2";
inline constexpr char kDataStoreFileName[] = "data.zd2";
inline constexpr char kAccessMarkerFileName[] = "fixed.zfix";

class DataFolder {
 public:
  explicit DataFolder(Platform* platform);
  DataFolder(const DataFolder&) = delete;
  DataFolder& operator=(const DataFolder&) = delete;

  // The folder path, ending in the path separator. The first successful call
  // resolves it (creating and opening it on first use of the machine); later
  // calls make no file-system call. Empty while the base folder cannot be
  // had: store files are then named bare, in the current folder, and the next
  // call tries again.
  const std::string& Path();

  // The path of a file in the data folder.
  std::string FilePath(std::string_view name) { return Path() + std::string(name); }
  std::string UserProfilePath() { return FilePath(kUserProfileFileName); }

  // The exclusive inter-process lock that every write of a store file holds
  // from the read it depends on to the replacement of the file. Null when it
  // could not be had within a few seconds. While it is held no other file is
  // being written, so temporary files a killed writer left are removed.
  std::unique_ptr<FolderLock> LockForChange();

 private:
  // Opens both folders and every file in the data folder to all users, then
  // writes the access marker.
  void FixFolderAccess();
  std::unique_ptr<FolderLock> Lock(const std::string& folder, int timeout_ms);
  void RemoveLeftoverFiles(const std::string& folder);

  Platform* const platform_;
  std::string path_;
};

}  // namespace zelvo
