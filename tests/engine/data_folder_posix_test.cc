// What the data folder's access rules mean on a POSIX file system: the
// creator's umask, planted links.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/data_folder.h"
#include "tests/support/access.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/store_bytes.h"

namespace zelvo {
namespace {

using testing::WriteFileBytes;

mode_t ModeOf(const std::string& path) {
  struct stat info;
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

class DataFolderPosixTest : public testing::EngineTest {};

TEST_F(DataFolderPosixTest, FilesOfARestrictiveUmaskAreStillOpenToAll) {
  DataFolder folder(&platform_);
  const mode_t old_mask = ::umask(077);
  WriteFileBytes(folder.FilePath("later"), "x");
  ::umask(old_mask);
  EXPECT_EQ(ModeOf(folder.FilePath("later")) & 06, 06);
}

TEST_F(DataFolderPosixTest, PlantedLinkIsNotFollowed) {
  DataFolder(&platform_).Path();
  testing::TempFolder elsewhere;
  const std::string victim = elsewhere.Path("secret");
  WriteFileBytes(victim, "secret");
  ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
  ASSERT_EQ(::symlink(victim.c_str(), StorePath("user.zu2").c_str()), 0);
  std::filesystem::remove(StorePath(kAccessMarkerFileName));

  DataFolder(&platform_).Path();
  EXPECT_EQ(ModeOf(victim), 0600);
}

}  // namespace
}  // namespace zelvo
