// The real libzelvo.so (dlopen) or Zelvo.dll (LoadLibraryW), loaded as a host
// loads it, over a data folder of this test process. On Windows the suite
// runs once under each ANSI code page the test run sets (1252, and 932, a
// double-byte one).
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "engine/text.h"
#include "tests/support/environment.h"
#include "tests/support/own_folder.h"
#include "tests/support/temp_folder.h"
#include "zelvo.h"

namespace zelvo {
namespace {

using WideEntry = decltype(&ZelvoCommandW);
using AnsiEntry = decltype(&ZelvoCommandA);

WideEntry wide_entry = nullptr;
AnsiEntry ansi_entry = nullptr;
// The names the library exports.
std::set<std::string> exported_names;

// The header's UTF-16 unit: char16_t, or wchar_t on Windows (the same bits).
const zelvo_char16* Units(const std::u16string& text) {
  return reinterpret_cast<const zelvo_char16*>(text.c_str());
}

struct WideResult {
  int32_t code;
  std::u16string output;
  bool operator==(const WideResult&) const = default;
};

WideResult Wide(std::u16string_view command, std::u16string_view parameters = u"") {
  char16_t output[ZELVO_OUTPUT_CAPACITY] = {u'#', 0};
  const int32_t code = wide_entry(Units(std::u16string(command)), Units(std::u16string(parameters)),
                                  reinterpret_cast<zelvo_char16*>(output));
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

// A character of two bytes in the host's character set (UTF-8 on Linux, the
// ANSI code page on Windows); empty when the set has none.
std::string TwoByteCharacter() {
#ifdef _WIN32
  if (::GetACP() == 932) return "\x82\xA0";  // HIRAGANA LETTER A
  return "";
#else
  return "\xC3\xA9";  // e acute
#endif
}

// Bytes that are no text in the host's character set; empty when every byte
// string is (a single-byte code page).
std::string InvalidAnsi() {
#ifdef _WIN32
  if (::GetACP() == 932) return "\x82";  // a lead byte without its trail byte
  return "";
#else
  return "\xFF\xFE";
#endif
}

TEST(ExportsTest, OnlyTheTwoEntryPointsAreVisible) {
  EXPECT_EQ(exported_names, (std::set<std::string>{"ZelvoCommandA", "ZelvoCommandW"}));
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
  // Two bytes a character: the ANSI answer stops between characters.
  const std::string two_bytes = TwoByteCharacter();
  if (two_bytes.empty()) return;
  std::string text;
  for (int i = 0; i < 200; ++i) text += two_bytes;
  ASSERT_EQ(Ansi("UPDATEUSER", "firstname=" + text).code, 0);
  EXPECT_EQ(Ansi("GETVALUE", "valname=UFNM"), (AnsiResult{0, text.substr(0, 254)}));
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
  zelvo_char16 wide[ZELVO_OUTPUT_CAPACITY] = {u'#', 0};
  EXPECT_EQ(wide_entry(nullptr, ZELVO_TEXT(""), wide), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(wide_entry(ZELVO_TEXT("GETDATA"), nullptr, wide), ZELVO_INVALID_PARAMETERS);
  EXPECT_EQ(wide_entry(ZELVO_TEXT("GETDATA"), ZELVO_TEXT(""), nullptr), ZELVO_INVALID_PARAMETERS);
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
  if (const std::string invalid = InvalidAnsi(); !invalid.empty()) {
    EXPECT_EQ(Ansi("GETDATA", "datakey=" + invalid), (AnsiResult{28, std::string(255, '#')}));
  }
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

namespace {

// Loads the library and finds its entry points and exported names.
bool LoadLibraryUnderTest() {
#ifdef _WIN32
  const HMODULE library = ::LoadLibraryW(std::filesystem::path(ZELVO_LIBRARY_PATH).c_str());
  if (library == nullptr) return false;
  const auto entry = [library](const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(library, name));
  };
  // The names of the loaded image's export table.
  const auto* base = reinterpret_cast<const BYTE*>(library);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    zelvo::exported_names.insert(reinterpret_cast<const char*>(base + names[i]));
  }
#else
  void* library = ::dlopen(ZELVO_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "%s\n", ::dlerror());
    return false;
  }
  const auto entry = [library](const char* name) { return ::dlsym(library, name); };
  FILE* pipe = ::popen("nm -D --defined-only " ZELVO_LIBRARY_PATH, "r");
  if (pipe == nullptr) return false;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\n") + 1);
    zelvo::exported_names.insert(text.substr(text.rfind(' ') + 1));
  }
  if (::pclose(pipe) != 0) return false;
#endif
  zelvo::wide_entry = reinterpret_cast<zelvo::WideEntry>(entry("ZelvoCommandW"));
  zelvo::ansi_entry = reinterpret_cast<zelvo::AnsiEntry>(entry("ZelvoCommandA"));
  return zelvo::wide_entry != nullptr && zelvo::ansi_entry != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The library reads its folders while it loads: they must be set before.
  zelvo::testing::TempFolder data;
  zelvo::testing::TempFolder tools;
#ifdef _WIN32
  const std::filesystem::path tool = tools.Path("Orvane Systems/Zelvo/ZelvoTool.exe");
#else
  const std::filesystem::path tool = tools.Path("Orvane Systems/Zelvo/ZelvoTool");
#endif
  std::filesystem::create_directories(tool.parent_path());
  std::filesystem::copy_file(ZELVO_FAKE_TOOL, tool);
  zelvo::testing::SetVariable("ZELVO_COMMON_APPDATA", data.path());
  zelvo::testing::SetVariable("ZELVO_COMMON_FILES", tools.path());
  zelvo::testing::SetVariable("LC_ALL", "C");
  zelvo::testing::UnsetVariable("XDG_RUNTIME_DIR");
  if (!LoadLibraryUnderTest()) {
    std::fprintf(stderr, "cannot load %s\n", ZELVO_LIBRARY_PATH);
    return 1;
  }
  return zelvo::testing::RunTestsInOwnFolder();
}
