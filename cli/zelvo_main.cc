// zelvo: runs Zelvo commands from the command line or from a script, through
// the real library loaded at run time (dlopen, LoadLibraryW on Windows).
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h.
#include <shellapi.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/result_code.h"
#include "engine/text.h"
#include "zelvo.h"

namespace {

constexpr char kUsage[] =
    "Usage: zelvo [--ansi] [--] COMMAND [PARAMETERS]\n"
    "       zelvo [--ansi] -\n"
    "       zelvo --help | --version\n"
    "\n"
    "Runs Zelvo commands through libzelvo.so and prints their answers.\n"
    "\n"
    "  COMMAND      UPDATEUSER, GETVALUE, DELUSER, ADDDATA, DELDATA, GETDATA,\n"
    "               REBUILD, LINK, INFODISPLAY or DEBUGDISPLAY (any letter case)\n"
    "  PARAMETERS   name=\"value\" pairs separated by commas, for example\n"
    "               datakey=\"Recent\",datastring=\"a.prj\"\n"
    "  -            read one command a line from standard input, written as\n"
    "               COMMAND,PARAMETERS (the desktop tool's form), and print one\n"
    "               line per command: the result code, a tab, the answer\n"
    "  --ansi       call ZelvoCommandA, in the locale's character set, instead\n"
    "               of ZelvoCommandW (UTF-16)\n"
    "  --           end of the options: what follows is the command\n"
    "  --help       show this text\n"
    "  --version    show the version\n"
    "\n"
    "With one command, the answer goes to standard output, the result code and\n"
    "its text to standard error when the code is not 0, and the exit status is\n"
    "the result code. With -, the exit status is 0 when every command gave 0,\n"
    "and 1 when any gave another code. An answer of 255 characters fills the\n"
    "library's buffer and may have been cut; zelvo says so on standard error.\n"
    "Exit status 2: a usage error. The library is looked for next to this\n"
    "program first, then on the normal library path.\n"
    "\n"
    "Environment: ZELVO_COMMON_APPDATA (base of the data folder, default\n"
    "/var/lib), ZELVO_COMMON_FILES (base of the installed tool),\n"
    "XDG_RUNTIME_DIR (where zelvo-monitor listens).\n";

using WideEntry = int32_t(ZELVO_CALL*)(const zelvo_char16*, const zelvo_char16*, zelvo_char16*);
using AnsiEntry = int32_t(ZELVO_CALL*)(const char*, const char*, char*);

struct Library {
  WideEntry wide = nullptr;
  AnsiEntry ansi = nullptr;
};

#ifdef _WIN32

constexpr char kLibraryName[] = "Zelvo.dll";

// The arguments as the system has them, in UTF-16, as UTF-8.
std::vector<std::string> Arguments(int, char**) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  for (int i = 0; i < count; ++i) {
    const std::wstring_view argument(wide[i]);
    arguments.push_back(zelvo::Utf16ToUtf8(std::u16string(argument.begin(), argument.end())));
  }
  ::LocalFree(wide);
  // The same bytes on both platforms: no line-end translation.
  _setmode(_fileno(stdout), _O_BINARY);
  return arguments;
}

// Zelvo.dll next to this program first, then on the system's search path.
bool LoadZelvo(Library* library) {
  wchar_t own[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, own, MAX_PATH);
  std::wstring folder(own, length < MAX_PATH ? length : 0);
  folder.resize(folder.rfind(L'\\') + 1);
  HMODULE module = ::LoadLibraryW((folder + L"Zelvo.dll").c_str());
  if (module == nullptr) module = ::LoadLibraryW(L"Zelvo.dll");
  if (module == nullptr) {
    std::cerr << "zelvo: cannot load Zelvo.dll: error " << ::GetLastError() << "\n";
    return false;
  }
  // Through the generic function type, which any function type converts from.
  using Generic = void (*)();
  library->wide = reinterpret_cast<WideEntry>(
      reinterpret_cast<Generic>(::GetProcAddress(module, "ZelvoCommandW")));
  library->ansi = reinterpret_cast<AnsiEntry>(
      reinterpret_cast<Generic>(::GetProcAddress(module, "ZelvoCommandA")));
  return true;
}

#else

constexpr char kLibraryName[] = "libzelvo.so";

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

std::string ProgramFolder() {
  char path[4096];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  std::string folder(path, static_cast<size_t>(length));
  return folder.substr(0, folder.rfind('/') + 1);
}

bool LoadZelvo(Library* library) {
  void* handle = nullptr;
  const std::string folder = ProgramFolder();
  for (const std::string& name :
       {folder + "libzelvo.so", folder + ZELVO_LIBDIR_FROM_BINDIR "/libzelvo.so.5",
        std::string("libzelvo.so.5"), std::string("libzelvo.so")}) {
    if ((handle = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
  }
  if (handle == nullptr) {
    std::cerr << "zelvo: cannot load libzelvo.so: " << ::dlerror() << "\n";
    return false;
  }
  library->wide = reinterpret_cast<WideEntry>(::dlsym(handle, "ZelvoCommandW"));
  library->ansi = reinterpret_cast<AnsiEntry>(::dlsym(handle, "ZelvoCommandA"));
  return true;
}

#endif

bool LoadLibraryEntries(Library* library) {
  if (!LoadZelvo(library)) return false;
  if (library->wide == nullptr || library->ansi == nullptr) {
    std::cerr << "zelvo: " << kLibraryName << " lacks its entry points\n";
    return false;
  }
  return true;
}

// Runs one command; the answer comes back as UTF-8 (wide entry) or in the
// locale's character set (ANSI entry), as the entry gave it.
int32_t Run(const Library& library, bool ansi, const std::string& command,
            const std::string& parameters, std::string* answer) {
  if (ansi) {
    char output[ZELVO_OUTPUT_CAPACITY] = {};
    const int32_t result = library.ansi(command.c_str(), parameters.c_str(), output);
    *answer = output;
    return result;
  }
  zelvo_char16 output[ZELVO_OUTPUT_CAPACITY] = {};
  const std::u16string wide_command = zelvo::Utf8ToUtf16(command);
  const std::u16string wide_parameters = zelvo::Utf8ToUtf16(parameters);
  const int32_t result =
      library.wide(reinterpret_cast<const zelvo_char16*>(wide_command.c_str()),
                   reinterpret_cast<const zelvo_char16*>(wide_parameters.c_str()), output);
  *answer = zelvo::Utf16ToUtf8(reinterpret_cast<const char16_t*>(output));
  return result;
}

// The library's buffer holds 255 units; an answer that fills it (within the
// largest character of the entry's encoding) may have been cut.
void WarnWhenFull(const std::string& answer, bool ansi, const std::string& where) {
  const size_t units = ansi ? answer.size() : zelvo::Utf8ToUtf16(answer).size();
  const size_t widest = ansi ? 4 : 2;
  if (units + widest > ZELVO_OUTPUT_CAPACITY) {
    std::cerr << "zelvo: " << where
              << ": the answer fills the 255-character buffer and may be cut\n";
  }
}

int RunScript(const Library& library, bool ansi) {
  std::string line;
  bool any_failed = false;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t comma = line.find(',');
    const std::string command = line.substr(0, comma);
    const std::string parameters = comma == std::string::npos ? "" : line.substr(comma + 1);
    std::string answer;
    const int32_t result = Run(library, ansi, command, parameters, &answer);
    std::cout << result << '\t' << answer << '\n' << std::flush;
    WarnWhenFull(answer, ansi, "line " + std::to_string(number));
    any_failed = any_failed || result != 0;
  }
  return any_failed ? 1 : 0;
}

int UsageError(const std::string& problem) {
  std::cerr << "zelvo: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments = Arguments(argc, argv);
  const size_t count = arguments.size();
  size_t first = 1;
  bool ansi = false;
  // Options come first; "-" alone is the script, "--" ends them.
  for (; first < count && arguments[first].size() > 1 && arguments[first][0] == '-'; ++first) {
    const std::string& option = arguments[first];
    if (option == "--") {
      ++first;
      break;
    }
    if (option == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (option == "--version") {
      std::cout << "zelvo " ZELVO_VERSION "\n";
      return 0;
    }
    if (option != "--ansi") return UsageError("unknown option " + option);
    ansi = true;
  }
  if (first >= count) return UsageError("no command given");
  if (count - first > 2) return UsageError("too many arguments");
  Library library;
  if (!LoadLibraryEntries(&library)) return 1;
  if (arguments[first] == "-" && count - first == 1) return RunScript(library, ansi);

  std::string answer;
  const int32_t result =
      Run(library, ansi, arguments[first], first + 1 < count ? arguments[first + 1] : "", &answer);
  if (!answer.empty()) std::cout << answer << '\n';
  WarnWhenFull(answer, ansi, arguments[first]);
  if (result != 0) {
    std::cerr << "zelvo: " << arguments[first] << ": result " << result;
    if (*zelvo::ResultText(result) != '\0') std::cerr << " (" << zelvo::ResultText(result) << ")";
    std::cerr << "\n";
  }
  return result & 0xFF;
}
