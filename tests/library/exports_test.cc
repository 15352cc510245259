// The real libzelvo.so, loaded with dlopen as a host loads it, over a data
// folder of this test process.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <locale.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "engine/text.h"
#include "tests/support/own_folder.h"
#include "tests/support/temp_folder.h"
#include "zelvo.h"

namespace zelvo {
namespace {

using WideEntry = decltype(&ZelvoCommandW);
using AnsiEntry = decltype(&ZelvoCommandA);

WideEntry wide_entry = nullptr;
AnsiEntry ansi_entry = nullptr;

struct WideResult {
  int32_t code;
  std::u16string output;
  bool operator==(const WideResult&) const = default;
};

WideResult Wide(std::u16string_view command, std::u16string_view parameters = u"") {
  char16_t output[ZELVO_OUTPUT_CAPACITY] = {u'#', 0};
  const int32_t code =
      wide_entry(std::u16string(command).c_str(), std::u16string(parameters).c_str(), output);
  return {code, output};
}

struct AnsiResult {
  int32_t code;
  std::string output;
  bool operator==(const AnsiResult&) const = default;
};

AnsiResult Ansi(const std::string& command, const std::string& parameters = "") {
  char output[ZELVO_OUTPUT_CAPACITY];
  std::memset(output, '#', sizeof output);
  output[sizeof output - 1] = 0;
  const int32_t code = ansi_entry(command.c_str(), parameters.c_str(), output);
  return {code, output};
}

TEST(ExportsTest, OnlyTheTwoEntryPointsAreVisible) {
  FILE* pipe = ::popen("nm -D --defined-only " ZELVO_LIBRARY_PATH, "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> symbols;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\n") + 1);
    symbols.insert(text.substr(text.rfind(' ') + 1));
  }
  ASSERT_EQ(::pclose(pipe), 0);
  EXPECT_EQ(symbols, (std::set<std::string>{"ZelvoCommandA", "ZelvoCommandW"}));
}

TEST(ExportsTest, BothEntriesRunCommands) {
  EXPECT_EQ(Wide(u"ADDDATA", u"datakey=k,datastring=wide"), (WideResult{0, u""}));
  EXPECT_EQ(Ansi("adddata", "datakey=\"k\",datastring=\"ansi\""), (AnsiResult{0, ""}));
  EXPECT_EQ(Wide(u"GETDATA", u"datakey=K"), (WideResult{0, u"ansi,wide"}));
  EXPECT_EQ(Ansi("GETDATA", "datakey=k"), (AnsiResult{0, "ansi,wide"}));
  EXPECT_EQ(Ansi("NOSUCH"), (AnsiResult{37, ""}));
}

TEST(ExportsTest, AnswersAreCutAtTheBufferSize) {
  const std::pair<std::string, std::string> rows[] = {
      {std::string(255, 'a'), std::string(255, 'a')},
      {std::string(300, 'b'), std::string(255, 'b')},
  };
  for (const auto& [value, expected] : rows) {
    ASSERT_EQ(Ansi("UPDATEUSER", "firstname=" + value).code, 0);
    EXPECT_EQ(Ansi("GETVALUE", "valname=UFNM"), (AnsiResult{0, expected}));
    EXPECT_EQ(Wide(u"GETVALUE", u"valname=UFNM"), (WideResult{0, Utf8ToUtf16(expected)}));
  }
  // Two bytes a character in UTF-8: the ANSI answer stops between characters.
  std::string e_acute;
  for (int i = 0; i < 200; ++i) e_acute += "\xC3\xA9";
  ASSERT_EQ(Ansi("UPDATEUSER", "firstname=" + e_acute).code, 0);
  EXPECT_EQ(Ansi("GETVALUE", "valname=UFNM"), (AnsiResult{0, e_acute.substr(0, 254)}));
  EXPECT_EQ(Wide(u"GETVALUE", u"valname=UFNM").output.size(), 200u);
}

TEST(ExportsTest, AnsiOutputBufferIsZeroFilled) {
  char output[ZELVO_OUTPUT_CAPACITY];
  std::memset(output, '#', sizeof output);
  ASSERT_EQ(ansi_entry("UPDATEUSER", "firstname=Ann", output), 0);
  ASSERT_EQ(ansi_entry("GETVALUE", "valname=UFNM", output), 0);
  EXPECT_STREQ(output, "Ann");
  for (size_t i = 3; i < sizeof output; ++i) ASSERT_EQ(output[i], 0) << i;
}

TEST(ExportsTest, BadArgumentsGiveInvalidParametersAndTouchNothing) {
  char16_t wide[ZELVO_OUTPUT_CAPACITY] = {u'#', 0};
  EXPECT_EQ(wide_entry(nullptr, u"", wide), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(wide_entry(u"GETDATA", nullptr, wide), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(wide_entry(u"GETDATA", u"", nullptr), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(wide[0], u'#');

  char ansi[ZELVO_OUTPUT_CAPACITY] = {'#', 0};
  EXPECT_EQ(ansi_entry(nullptr, "", ansi), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(ansi_entry("GETDATA", nullptr, ansi), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(ansi_entry("GETDATA", "", nullptr), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(Ansi(std::string(256, 'A')), (AnsiResult{28, std::string(255, '#')}));
  EXPECT_EQ(Ansi("ADDDATA", "datakey=k,datastring=" + std::string(2048 - 21, 'x')),
            (AnsiResult{28, std::string(255, '#')}));
  EXPECT_EQ(Ansi("ADDDATA", "datakey=k,datastring=" + std::string(2047 - 21, 'x')),
            (AnsiResult{0, ""}));
  EXPECT_EQ(Ansi("GETDATA", "datakey=\xFF\xFE"), (AnsiResult{28, std::string(255, '#')}));
  EXPECT_EQ(Ansi(std::string(255, 'A')), (AnsiResult{37, ""}));
}

TEST(ExportsTest, WideTextIsKeptUnitForUnit) {
  const std::u16string lone = std::u16string(u"a") + char16_t(0xD800) + u"b";
  EXPECT_EQ(Wide(u"ADDDATA", u"datakey=s,datastring=" + lone), (WideResult{0, u""}));
  EXPECT_EQ(Wide(u"GETDATA", u"datakey=s"), (WideResult{0, lone}));
  // The ANSI entry shows what its character set cannot hold as '?'.
  EXPECT_EQ(Ansi("GETDATA", "datakey=s"), (AnsiResult{0, "a?b"}));
}

TEST(ExportsTest, WindowCommandRunsTheTool) {
  EXPECT_EQ(Wide(u"LINK", u"exit=9"), (WideResult{9, u""}));
  EXPECT_EQ(Ansi("debugdisplay", "exit=\"0\""), (AnsiResult{0, ""}));
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The library reads its folders while it loads: they must be set before.
  zelvo::testing::TempFolder data;
  zelvo::testing::TempFolder tools;
  const std::filesystem::path tool = tools.path() + "/Orvane Systems/Zelvo/ZelvoTool";
  std::filesystem::create_directories(tool.parent_path());
  std::filesystem::copy_file(ZELVO_FAKE_TOOL, tool);
  ::setenv("ZELVO_COMMON_APPDATA", data.path().c_str(), 1);
  ::setenv("ZELVO_COMMON_FILES", tools.path().c_str(), 1);
  ::setenv("LC_ALL", "C", 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  void* library = ::dlopen(ZELVO_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", ZELVO_LIBRARY_PATH, ::dlerror());
    return 1;
  }
  zelvo::wide_entry = reinterpret_cast<zelvo::WideEntry>(::dlsym(library, "ZelvoCommandW"));
  zelvo::ansi_entry = reinterpret_cast<zelvo::AnsiEntry>(::dlsym(library, "ZelvoCommandA"));
  return zelvo::testing::RunTestsInOwnFolder();
}
