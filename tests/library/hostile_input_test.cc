// Hostile files and folders met through the real library (the command-line
// host) and the real tool: each gives a clear result, no crash, and leaves
// every file it must not touch as it was.
#include <acl/libacl.h>
#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "engine/data_folder.h"
#include "tests/support/child_process.h"
#include "tests/support/store_bytes.h"
#include "tests/support/temp_folder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::FileBytes;
using testing::Fixed32;
using testing::ReadFileBytes;
using testing::RunChild;
using testing::StringField;
using testing::WriteFileBytes;

class HostileInputTest : public ::testing::Test {
 protected:
  HostileInputTest() {
    ::setenv("ZELVO_COMMON_APPDATA", base_.path().c_str(), 1);
    ::unsetenv("XDG_RUNTIME_DIR");
    Host("REBUILD");  // makes the data folder
  }

  std::string Folder() const { return base_.path() + "/Orvane Systems/Zelvo/"; }
  testing::ChildOutcome Host(const std::string& command, const std::string& parameters = "",
                             const ChildOptions& options = {}) {
    // Another user runs a copy the build tree's folders cannot keep from it.
    const std::string host =
        options.user
            ? testing::ProgramForAnyUser(ZELVO_CLI_PATH, {{ZELVO_LIBRARY_PATH, "libzelvo.so"}},
                                         base_.path() + "/bin")
            : std::string(ZELVO_CLI_PATH);
    return RunChild({host, command, parameters}, options);
  }
  std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder())) {
      if (entry.path().filename().string().find(".tmp-") != std::string::npos)
        names.push_back(entry.path());
    }
    return names;
  }

  // Lets another user reach the data folder: a test's own folder is private.
  void OpenBaseToAll() { ASSERT_EQ(::chmod(base_.path().c_str(), 0755), 0); }
  static ChildOptions Nobody() {
    ChildOptions nobody;
    nobody.user = 65534;
    return nobody;
  }

  testing::TempFolder base_;
  testing::TempFolder elsewhere_;
};

TEST_F(HostileInputTest, HugeLengthFieldsAreDamageNotAllocations) {
  WriteFileBytes(Folder() + kDataStoreFileName, "ZDF2ZDT2" + Fixed32(0x80000000u) + "short");
  EXPECT_EQ(Host("GETDATA", "datakey=k").exit_code, 32);
  EXPECT_EQ(Host("ADDDATA", "datakey=k,datastring=v").exit_code, 0);
  EXPECT_EQ(Host("GETDATA", "datakey=k").output, "v\n");

  const std::string details = Fixed32(0x80000000u) + "Ann";
  WriteFileBytes(Folder() + kUserProfileFileName,
                 FileBytes("ZVU2").Chunk("USR2", details).Checksum().bytes());
  EXPECT_EQ(Host("GETVALUE", "valname=UFNM").exit_code, 25);
  EXPECT_EQ(Host("UPDATEUSER", "lastname=Lee").exit_code, 0);
  EXPECT_EQ(Host("GETVALUE", "valname=ULNM").output, "Lee\n");
}

// A link planted in place of a store file is never followed: not read, and
// replaced (the link itself) rather than written through.
TEST_F(HostileInputTest, PlantedLinksAreNotFollowed) {
  const std::string victim = elsewhere_.path() + "/victim";
  const std::string secret =
      FileBytes("ZDF2")
          .Chunk("ZDT2", StringField(u"K") + Fixed32(1) + StringField(u"secret"))
          .Checksum()
          .bytes();
  WriteFileBytes(victim, secret);
  for (const char* name : {kDataStoreFileName, kUserProfileFileName}) {
    ASSERT_EQ(::symlink(victim.c_str(), (Folder() + name).c_str()), 0);
  }
  EXPECT_EQ(Host("GETDATA", "datakey=k").exit_code, 32);
  EXPECT_EQ(Host("GETVALUE", "valname=UFNM").exit_code, 20);
  EXPECT_EQ(Host("ADDDATA", "datakey=k,datastring=v").exit_code, 0);
  EXPECT_EQ(Host("UPDATEUSER", "firstname=Ann").exit_code, 0);
  EXPECT_EQ(ReadFileBytes(victim), secret);
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Folder() + kDataStoreFileName)));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Folder() + kUserProfileFileName)));

  ASSERT_EQ(::unlink((Folder() + kUserProfileFileName).c_str()), 0);
  ASSERT_EQ(::symlink(victim.c_str(), (Folder() + kUserProfileFileName).c_str()), 0);
  EXPECT_EQ(Host("DELUSER").exit_code, 0);  // the link goes, the file it names stays
  EXPECT_EQ(ReadFileBytes(victim), secret);
}

TEST_F(HostileInputTest, FolderThatCannotBeWrittenKeepsItsFiles) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_EQ(Host("ADDDATA", "datakey=k,datastring=kept").exit_code, 0);
  ASSERT_EQ(Host("UPDATEUSER", "firstname=Ann").exit_code, 0);
  const std::string data = ReadFileBytes(Folder() + kDataStoreFileName);
  const std::string profile = ReadFileBytes(Folder() + kUserProfileFileName);
  ASSERT_EQ(::chmod(base_.path().c_str(), 0755), 0);
  ASSERT_EQ(::chmod(Folder().c_str(), 0755), 0);  // no longer open to all

  EXPECT_EQ(Host("UPDATEUSER", "firstname=Eve", Nobody()).exit_code, 20);
  EXPECT_EQ(Host("ADDDATA", "datakey=k,datastring=lost", Nobody()).exit_code, 20);
  EXPECT_EQ(Host("DELDATA", "datakey=k,datastring=kept", Nobody()).exit_code, 20);
  EXPECT_EQ(Host("GETDATA", "datakey=k", Nobody()).output, "kept\n");
  EXPECT_EQ(Host("DELUSER", "", Nobody()).exit_code, 26);
  EXPECT_EQ(ReadFileBytes(Folder() + kDataStoreFileName), data);
  EXPECT_EQ(ReadFileBytes(Folder() + kUserProfileFileName), profile);
  EXPECT_TRUE(TemporaryFiles().empty());
}

// Store files another user cannot read come through every command byte for
// byte, answered with the open failure, and answer again once readable.
TEST_F(HostileInputTest, StoresAnotherUserCannotReadAreNeverReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  OpenBaseToAll();
  ASSERT_EQ(Host("ADDDATA", "datakey=k,datastring=kept").exit_code, 0);
  ASSERT_EQ(Host("UPDATEUSER", "firstname=Ann").exit_code, 0);
  const std::string data_path = Folder() + kDataStoreFileName;
  const std::string profile_path = Folder() + kUserProfileFileName;
  const std::string data = ReadFileBytes(data_path);
  const std::string profile = ReadFileBytes(profile_path);
  for (const mode_t mode : {0000, 0600}) {  // owned by root, the other user is nobody
    SCOPED_TRACE(mode);
    ASSERT_EQ(::chmod(data_path.c_str(), mode), 0);
    ASSERT_EQ(::chmod(profile_path.c_str(), mode), 0);
    const std::pair<std::string, std::string> commands[] = {
        {"GETDATA", "datakey=k"},
        {"ADDDATA", "datakey=k,datastring=new"},
        {"DELDATA", "datakey=k,datastring=kept"},
        {"ADDDATA", "datakey=other,datastring=x"},
        {"GETVALUE", "valname=UFNM"},
        {"UPDATEUSER", "lastname=Lee"},
    };
    for (const auto& [command, parameters] : commands) {
      const testing::ChildOutcome outcome = Host(command, parameters, Nobody());
      EXPECT_EQ(outcome.exit_code, 20) << command;
      EXPECT_EQ(outcome.output, "") << command;
    }
    EXPECT_EQ(Host("REBUILD", "", Nobody()).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(data_path), data);
    EXPECT_EQ(ReadFileBytes(profile_path), profile);
    EXPECT_TRUE(TemporaryFiles().empty());

    ASSERT_EQ(::chmod(data_path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(profile_path.c_str(), 0666), 0);
    EXPECT_EQ(Host("GETDATA", "datakey=k", Nobody()).output, "kept\n");
    EXPECT_EQ(Host("GETVALUE", "valname=UFNM", Nobody()).output, "Ann\n");
  }
}

// Where the data folder hands down no access list (a file system without
// them, or a restore that dropped them), a writer under umask 077 still
// leaves files that every other user can read and change.
TEST_F(HostileInputTest, UmaskAndNoAccessListsStillShareTheStore) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  OpenBaseToAll();
  for (const std::string& folder : {base_.path() + "/Orvane Systems", Folder()}) {
    ASSERT_EQ(acl_delete_def_file(folder.c_str()), 0) << folder;
  }
  const mode_t old_mask = ::umask(077);
  const int added = Host("ADDDATA", "datakey=k,datastring=first").exit_code;
  const int updated = Host("UPDATEUSER", "firstname=Ann").exit_code;
  ::umask(old_mask);
  ASSERT_EQ(added, 0);
  ASSERT_EQ(updated, 0);
  for (const char* name : {kDataStoreFileName, kUserProfileFileName}) {
    struct stat info;
    ASSERT_EQ(::stat((Folder() + name).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u) << name;
  }
  EXPECT_EQ(Host("GETDATA", "datakey=k", Nobody()).output, "first\n");
  EXPECT_EQ(Host("ADDDATA", "datakey=k,datastring=second", Nobody()).exit_code, 0);
  EXPECT_EQ(Host("UPDATEUSER", "lastname=Lee", Nobody()).exit_code, 0);
  EXPECT_EQ(Host("GETDATA", "datakey=k").output, "first,second\n");
  EXPECT_EQ(Host("GETVALUE", "valname=ULNM").output, "Lee\n");
}

// Folders made under umask 077 are still open to every user.
TEST(DataFolderCreationTest, UmaskDoesNotNarrowTheFolders) {
  testing::TempFolder base;
  ::setenv("ZELVO_COMMON_APPDATA", base.path().c_str(), 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  const mode_t old_mask = ::umask(077);
  const int code = RunChild({ZELVO_CLI_PATH, "ADDDATA", "datakey=k,datastring=v"}).exit_code;
  ::umask(old_mask);
  ASSERT_EQ(code, 0);
  for (const std::string folder : {"/Orvane Systems", "/Orvane Systems/Zelvo"}) {
    struct stat info;
    ASSERT_EQ(::stat((base.path() + folder).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0777u) << folder;
  }
}

TEST_F(HostileInputTest, FullDiskKeepsTheOldFiles) {
  // A small file system of its own, where the machine allows mounting one.
  const std::string small = elsewhere_.path() + "/small";
  fs::create_directories(small);
  if (::geteuid() != 0 || ::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=256k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  ::setenv("ZELVO_COMMON_APPDATA", small.c_str(), 1);
  const std::string folder = small + "/Orvane Systems/Zelvo/";
  ASSERT_EQ(Host("UPDATEUSER", "firstname=Ann").exit_code, 0);
  ASSERT_EQ(Host("ADDDATA", "datakey=k,datastring=kept").exit_code, 0);
  const std::string profile = ReadFileBytes(folder + kUserProfileFileName);
  const std::string data = ReadFileBytes(folder + kDataStoreFileName);
  WriteFileBytes(small + "/filler", std::string(240 * 1024, 'x'));

  const std::string big(20000, 'y');
  EXPECT_EQ(Host("UPDATEUSER", "firstname=" + big).exit_code, 19);
  EXPECT_EQ(Host("ADDDATA", "datakey=k,datastring=" + big).exit_code, 19);
  EXPECT_EQ(Host("GETDATA", "datakey=k").output, "kept\n");
  EXPECT_EQ(ReadFileBytes(folder + kUserProfileFileName), profile);
  EXPECT_EQ(ReadFileBytes(folder + kDataStoreFileName), data);
  EXPECT_EQ(Host("GETVALUE", "valname=UFNM").output, "Ann\n");
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
  }
  ::umount(small.c_str());
}

#ifdef ZELVO_TOOL_PATH
TEST_F(HostileInputTest, ToolCommandLinesOfAnyShape) {
  ChildOptions options;
  options.environment = {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + base_.path() + "/config",
                         "XDG_DATA_HOME=" + base_.path() + "/data"};
  const std::pair<std::string, int> rows[] = {
      {"GETDATA,datakey=\"" + std::string(100000, 'k') + "\"", 32},
      {"GETDATA,datakey=\"\xFF\xFE\xC0\"", 32},
      {"ADDDATA,datakey=\"k\",datastring=\"\"\"\"\"", 0},
      {std::string(5000, ','), 37},
      {"zvm:zvm:GETDATA", 37},
  };
  for (const auto& [line, code] : rows) {
    EXPECT_EQ(RunChild({ZELVO_TOOL_PATH, line}, options).exit_code, code) << line.substr(0, 40);
  }
}
#endif

}  // namespace
}  // namespace zelvo
