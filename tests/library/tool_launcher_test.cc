#include "library/tool_launcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "engine/result_code.h"
#include "engine/text.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/store_bytes.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::CommandResult;
using testing::ReadFileBytes;

// Runs the test body in a folder of its own as the current folder.
class ToolLauncherTest : public testing::EngineTest {
 protected:
  ToolLauncherTest() : previous_folder_(fs::current_path()) {
    fs::current_path(work_.path());
    platform_.common_files = work_.Path("common");
    testing::SetVariable("FAKE_TOOL_LOG", Log());
  }
  ~ToolLauncherTest() override { fs::current_path(previous_folder_); }

  // The tool's file name: "ZelvoTool", or "ZelvoTool.exe" on Windows.
  static std::string Tool() { return Platform::Default()->ProgramFileName("ZelvoTool"); }
  std::string CommonTool() const { return work_.Path("common/Orvane Systems/Zelvo/" + Tool()); }
  std::string Log() const { return work_.Path("log"); }

  static void Install(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    fs::copy_file(ZELVO_FAKE_TOOL, path, fs::copy_options::overwrite_existing);
  }
  int32_t Launch(std::u16string_view word, std::u16string_view parameters) {
    return LaunchTool(&platform_, word, ParseParameters(parameters));
  }
  // The lines the tool logged: program, "argc|argument", current folder.
  std::vector<std::string> Logged() const {
    std::vector<std::string> lines;
    std::string text = ReadFileBytes(Log());
    for (size_t at; (at = text.find('\n')) != std::string::npos; text.erase(0, at + 1)) {
      lines.push_back(text.substr(0, at));
    }
    return lines;
  }

  testing::TempFolder work_;
  fs::path previous_folder_;
};

TEST_F(ToolLauncherTest, ExitCodeComesBackUnchanged) {
  Install(CommonTool());
  for (int32_t code : {0, 7, 200}) {
    EXPECT_EQ(Launch(u"LINK", u"exit=" + DecimalText(code)), code);
  }
#ifndef _WIN32
  EXPECT_EQ(Launch(u"LINK", u"signal=15"), 128 + 15);
#endif
}

TEST_F(ToolLauncherTest, ToolGetsTheCommandTextAndTheHostsFolder) {
  Install(CommonTool());
  Launch(u"LINK", u"lang=de,url=support");
  Launch(u"INFODISPLAY", u"");
  EXPECT_EQ(Logged(),
            (std::vector<std::string>{CommonTool(), "2|LINK,language_id=\"DEU\",url=\"support\"",
                                      work_.path(), CommonTool(), "2|INFODISPLAY,", work_.path()}));
}

TEST_F(ToolLauncherTest, PlacesAreTriedInOrder) {
  EXPECT_EQ(LocateTool(&platform_), std::nullopt);
  Install(work_.Path(Tool()));
  EXPECT_EQ(LocateTool(&platform_), testing::NativePath("./" + Tool()));
  fs::remove(work_.Path(Tool()));
  Install(work_.Path("ZelvoTool/" + Tool()));
  EXPECT_EQ(LocateTool(&platform_), testing::NativePath("./ZelvoTool/" + Tool()));
  Install(CommonTool());
  EXPECT_EQ(LocateTool(&platform_), CommonTool());
  platform_.common_files.reset();
  EXPECT_EQ(LocateTool(&platform_), testing::NativePath("./ZelvoTool/" + Tool()));
}

TEST_F(ToolLauncherTest, StartFailuresMapToTheirCodes) {
  EXPECT_EQ(Launch(u"LINK", u""), result::kToolNotFound);
  fs::create_directories(fs::path(CommonTool()).parent_path());
  testing::WriteFileBytes(CommonTool(), "not a program\n");
#ifdef _WIN32
  // Not a program image; a folder of the tool's name cannot be run at all.
  EXPECT_EQ(Launch(u"LINK", u""), result::kToolStartFailed);
  fs::remove(CommonTool());
  fs::create_directory(CommonTool());
  EXPECT_EQ(Launch(u"LINK", u""), result::kToolAccessDenied);
#else
  fs::permissions(CommonTool(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Launch(u"LINK", u""), result::kToolAccessDenied);
  fs::permissions(CommonTool(), fs::perms::owner_all);
  EXPECT_EQ(Launch(u"LINK", u""), result::kToolStartFailed);
#endif
  EXPECT_FALSE(fs::exists(Log()));
}

TEST_F(ToolLauncherTest, OverlongCommandLineStartsNothing) {
  Install(CommonTool());
  // Quoted path, blank, "LINK,", then a="...".
  const size_t fixed = CommonTool().size() + 3 + 5 + 4;
  EXPECT_EQ(Launch(u"LINK", u"a=\"" + std::u16string(2599 - fixed, u'x') + u"\""), 0);
  EXPECT_EQ(Launch(u"LINK", u"a=\"" + std::u16string(2600 - fixed, u'x') + u"\""),
            result::kToolStartFailed);
  EXPECT_EQ(Logged().size(), 3u);
}

// The tool runs outside the command lock: while one waits, other commands
// run, and two tools run at once.
TEST_F(ToolLauncherTest, WindowCommandsDoNotHoldTheLock) {
  Install(CommonTool());
  engine_ = NewEngine([this](std::u16string_view word, const ParameterMap& parameters) {
    return LaunchTool(&platform_, word, parameters);
  });
  const std::string release = work_.Path("release");
  const auto start = [&](const std::string& name) {
    return std::thread([&, name] {
      const std::u16string parameters =
          Utf8ToUtf16("started=\"" + work_.Path(name) + "\",wait=\"" + release + "\",exit=3");
      EXPECT_EQ(Run(u"INFODISPLAY", parameters), (CommandResult{3, u""}));
    });
  };
  const auto wait_for = [](const std::string& path) {
    while (!fs::exists(path)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  };
  std::thread first = start("one");
  wait_for(work_.Path("one"));
  EXPECT_EQ(Run(u"ADDDATA", u"datakey=k,datastring=v"), (CommandResult{0, u""}));
  std::thread second = start("two");
  wait_for(work_.Path("two"));
  testing::WriteFileBytes(release, "go");
  first.join();
  second.join();
}

#ifdef _WIN64
// The 64-bit library also looks in the 32-bit common files folder, where the
// 32-bit tool is installed.
TEST(CommonFilesTest, SixtyFourBitLibraryAlsoTriesTheThirtyTwoBitFolder) {
  testing::UnsetVariable("ZELVO_COMMON_FILES");
  const std::vector<std::string> folders = Platform::Default()->CommonFilesFolders();
  ASSERT_EQ(folders.size(), 2u);
  EXPECT_TRUE(folders[0].ends_with("\\Program Files\\Common Files")) << folders[0];
  EXPECT_TRUE(folders[1].ends_with("\\Program Files (x86)\\Common Files")) << folders[1];
}
#endif

}  // namespace
}  // namespace zelvo
