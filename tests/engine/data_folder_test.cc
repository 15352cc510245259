#include "engine/data_folder.h"

#include <acl/libacl.h>
#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "engine/platform/posix/posix_platform.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/store_bytes.h"

namespace zelvo {
namespace {

using testing::FileBytes;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

mode_t ModeOf(const std::string& path) {
  struct stat info;
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

// The permissions of the "other" entry of the folder's default access list,
// or -1 without one.
int DefaultOtherPermissions(const std::string& folder) {
  acl_t acl = acl_get_file(folder.c_str(), ACL_TYPE_DEFAULT);
  if (acl == nullptr) return -1;
  int permissions = -1;
  acl_entry_t entry;
  for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1;
       which = ACL_NEXT_ENTRY) {
    acl_tag_t tag;
    acl_permset_t set;
    if (acl_get_tag_type(entry, &tag) == 0 && tag == ACL_OTHER &&
        acl_get_permset(entry, &set) == 0) {
      permissions = (acl_get_perm(set, ACL_READ) ? 4 : 0) | (acl_get_perm(set, ACL_WRITE) ? 2 : 0) |
                    (acl_get_perm(set, ACL_EXECUTE) ? 1 : 0);
    }
  }
  acl_free(acl);
  return permissions;
}

class DataFolderTest : public testing::EngineTest {
 protected:
  std::string Company() const { return base_.path() + "/Orvane Systems"; }
};

TEST_F(DataFolderTest, FirstUseCreatesOpensAndMarksTheFolder) {
  DataFolder folder(&platform_);
  EXPECT_EQ(folder.Path(), DataFolderPath());
  for (const std::string& path : {Company(), DataFolderPath()}) {
    EXPECT_EQ(ModeOf(path) & 07, 07) << path;
    EXPECT_EQ(ModeOf(path) & S_ISVTX, 0) << path;
    EXPECT_EQ(DefaultOtherPermissions(path), 7) << path;
  }
  EXPECT_EQ(ReadFileBytes(folder.FilePath(kAccessMarkerFileName)),
            FileBytes("ZFIX").Checksum().bytes());

  // What is created later is open to all, whatever the creator's umask.
  const mode_t old_mask = ::umask(077);
  WriteFileBytes(folder.FilePath("later"), "x");
  ::umask(old_mask);
  EXPECT_EQ(ModeOf(folder.FilePath("later")) & 06, 06);
}

TEST_F(DataFolderTest, ProductFolderMissingUnderExistingCompanyFolder) {
  ASSERT_EQ(::mkdir(Company().c_str(), 0700), 0);
  DataFolder folder(&platform_);
  EXPECT_EQ(folder.Path(), DataFolderPath());
  EXPECT_EQ(ModeOf(DataFolderPath()) & 07, 07);
  EXPECT_EQ(DefaultOtherPermissions(DataFolderPath()), 7);
}

TEST_F(DataFolderTest, DeletedMarkerOpensExistingFilesAgain) {
  DataFolder(&platform_).Path();
  const std::string store = StorePath(kDataStoreFileName);
  WriteFileBytes(store, "data");
  ASSERT_EQ(::chmod(store.c_str(), 0600), 0);
  ASSERT_EQ(::chmod(DataFolderPath().c_str(), 0700), 0);
  std::filesystem::remove(StorePath(kAccessMarkerFileName));

  DataFolder(&platform_).Path();
  EXPECT_EQ(ModeOf(store), 0666);
  EXPECT_EQ(ModeOf(DataFolderPath()), 0777);
  EXPECT_EQ(ReadFileBytes(StorePath(kAccessMarkerFileName)), FileBytes("ZFIX").Checksum().bytes());
}

TEST_F(DataFolderTest, PlantedLinkIsNotFollowed) {
  DataFolder(&platform_).Path();
  testing::TempFolder elsewhere;
  const std::string victim = elsewhere.path() + "/secret";
  WriteFileBytes(victim, "secret");
  ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
  ASSERT_EQ(::symlink(victim.c_str(), StorePath("user.zu2").c_str()), 0);
  std::filesystem::remove(StorePath(kAccessMarkerFileName));

  DataFolder(&platform_).Path();
  EXPECT_EQ(ModeOf(victim), 0600);
}

TEST_F(DataFolderTest, LaterPathsMakeNoFileSystemCall) {
  DataFolder folder(&platform_);
  folder.Path();
  platform_.file_system_calls = 0;
  EXPECT_EQ(folder.FilePath(kDataStoreFileName), DataFolderPath() + kDataStoreFileName);
  folder.Path();
  EXPECT_EQ(platform_.file_system_calls, 0);
}

TEST_F(DataFolderTest, UnresolvableBaseGivesBareNamesAndIsRetried) {
  platform_.app_data.reset();
  DataFolder folder(&platform_);
  EXPECT_EQ(folder.Path(), "");
  EXPECT_EQ(folder.FilePath(kDataStoreFileName), "data.zd2");
  platform_.app_data = base_.path();
  EXPECT_EQ(folder.Path(), DataFolderPath());
}

TEST(PosixPlatformTest, BaseFolderThatCannotBeCreatedIsNotResolvable) {
  testing::TempFolder base;
  ::setenv("ZELVO_COMMON_APPDATA", (base.path() + "/missing/deeper").c_str(), 1);
  std::string folder;
  EXPECT_FALSE(PosixPlatform().CommonAppDataFolder(&folder));
  ::setenv("ZELVO_COMMON_APPDATA", (base.path() + "/new").c_str(), 1);
  EXPECT_TRUE(PosixPlatform().CommonAppDataFolder(&folder));
  EXPECT_EQ(folder, base.path() + "/new");
  ::unsetenv("ZELVO_COMMON_APPDATA");
}

TEST(PosixPlatformTest, FolderLockIsExclusiveAndBounded) {
  testing::TempFolder folder;
  PosixPlatform platform;
  auto held = platform.LockFolder(folder.path(), 100);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(platform.LockFolder(folder.path(), 50), nullptr);
  held.reset();
  EXPECT_NE(platform.LockFolder(folder.path(), 50), nullptr);
}

TEST_F(DataFolderTest, ChangesRemoveWhatKilledWritersLeft) {
  DataFolder folder(&platform_);
  for (const char* name :
       {"data.zd2.tmp-AbCdEf12", "user.zu2.tmp-00000000", "other.tmp-AbCdEf12", "data.zd2"}) {
    WriteFileBytes(folder.FilePath(name), "x");
  }
  ASSERT_NE(folder.LockForChange(), nullptr);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(DataFolderPath())) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"data.zd2", "fixed.zfix", "other.tmp-AbCdEf12"}));
}

TEST_F(DataFolderTest, EngineLoadsCleanlyWithoutStoreFiles) {
  EXPECT_EQ(Run(u"GETDATA", u"datakey=x"), (testing::CommandResult{32, u""}));
  EXPECT_EQ(Run(u"REBUILD"), (testing::CommandResult{0, u""}));
  EXPECT_FALSE(std::filesystem::exists(StorePath(kDataStoreFileName)));
}

}  // namespace
}  // namespace zelvo
