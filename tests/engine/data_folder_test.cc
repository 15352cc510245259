#include "engine/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/access.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/store_bytes.h"

namespace zelvo {
namespace {

using testing::FileBytes;
using testing::ReadFileBytes;
using testing::WriteFileBytes;

class DataFolderTest : public testing::EngineTest {
 protected:
  std::string Company() const { return base_.Path("Orvane Systems"); }
};

TEST_F(DataFolderTest, FirstUseCreatesOpensAndMarksTheFolder) {
  DataFolder folder(&platform_);
  EXPECT_EQ(folder.Path(), DataFolderPath());
  for (const std::string& path : {Company(), DataFolderPath()}) {
    EXPECT_TRUE(testing::OpenToEveryone(path)) << path;
  }
  EXPECT_EQ(ReadFileBytes(folder.FilePath(kAccessMarkerFileName)),
            FileBytes("ZFIX").Checksum().bytes());
  // What is created later is open to all by inheritance (which Wine lacks).
  WriteFileBytes(folder.FilePath("later"), "x");
  if (testing::NewFilesInheritAccess()) {
    EXPECT_TRUE(testing::OpenToEveryone(folder.FilePath("later")));
  }
}

TEST_F(DataFolderTest, ProductFolderMissingUnderExistingCompanyFolder) {
  ASSERT_TRUE(std::filesystem::create_directory(Company()));
  testing::MakePrivate(Company());
  DataFolder folder(&platform_);
  EXPECT_EQ(folder.Path(), DataFolderPath());
  EXPECT_TRUE(testing::OpenToEveryone(DataFolderPath()));
}

TEST_F(DataFolderTest, DeletedMarkerOpensExistingFilesAgain) {
  DataFolder(&platform_).Path();
  const std::string store = StorePath(kDataStoreFileName);
  WriteFileBytes(store, "data");
  testing::MakePrivate(store);
  testing::MakePrivate(DataFolderPath());
  ASSERT_FALSE(testing::OpenToEveryone(store));
  std::filesystem::remove(StorePath(kAccessMarkerFileName));

  DataFolder(&platform_).Path();
  EXPECT_TRUE(testing::OpenToEveryone(store));
  EXPECT_TRUE(testing::OpenToEveryone(DataFolderPath()));
  EXPECT_EQ(ReadFileBytes(StorePath(kAccessMarkerFileName)), FileBytes("ZFIX").Checksum().bytes());
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

TEST(PlatformTest, BaseFolderThatCannotBeCreatedIsNotResolvable) {
  testing::TempFolder base;
  testing::SetVariable("ZELVO_COMMON_APPDATA", base.Path("missing/deeper"));
  std::string folder;
  EXPECT_FALSE(Platform::Default()->CommonAppDataFolder(&folder));
  testing::SetVariable("ZELVO_COMMON_APPDATA", base.Path("new"));
  EXPECT_TRUE(Platform::Default()->CommonAppDataFolder(&folder));
  EXPECT_EQ(folder, base.Path("new"));
  testing::UnsetVariable("ZELVO_COMMON_APPDATA");
}

TEST(PlatformTest, FolderLockIsExclusiveAndBounded) {
  testing::TempFolder folder;
  Platform* platform = Platform::Default();
  auto held = platform->LockFolder(folder.path(), 100);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(platform->LockFolder(folder.path(), 50), nullptr);
  held.reset();
  EXPECT_NE(platform->LockFolder(folder.path(), 50), nullptr);
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
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::vector<std::string> expected = {"data.zd2", "fixed.zfix", "other.tmp-AbCdEf12"};
#ifdef _WIN32
  // The file the folder lock holds, which stays.
  expected.push_back("zelvo.lock");
#endif
  EXPECT_EQ(names, expected);
}

TEST_F(DataFolderTest, EngineLoadsCleanlyWithoutStoreFiles) {
  EXPECT_EQ(Run(u"GETDATA", u"datakey=x"), (testing::CommandResult{32, u""}));
  EXPECT_EQ(Run(u"REBUILD"), (testing::CommandResult{0, u""}));
  EXPECT_FALSE(std::filesystem::exists(StorePath(kDataStoreFileName)));
}

}  // namespace
}  // namespace zelvo
