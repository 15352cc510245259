// Where machine-wide data and programs live, and who this process is.
#include <windows.h>
// After windows.h.
#include <shlobj.h>

#include <cstdlib>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {
namespace {

constexpr int kCommonAppData = 0x8023;        // CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE
constexpr int kCommonProgramFiles = 0x802B;   // CSIDL_PROGRAM_FILES_COMMON | CSIDL_FLAG_CREATE
constexpr int kCommonProgramFilesX86 = 0x2C;  // CSIDL_PROGRAM_FILES_COMMONX86

// The override from the environment when set, else the shell's folder.
bool MachineFolder(const wchar_t* variable, int shell_folder, std::string* folder) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableW(variable, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    if (::SHGetFolderPathW(nullptr, shell_folder, nullptr, 0, path) != S_OK) return false;
  }
  std::string result = Utf8FromWide(path);
  while (result.size() > 3 && (result.back() == '\\' || result.back() == '/')) result.pop_back();
  *folder = std::move(result);
  return true;
}

}  // namespace

bool Win32Platform::CommonAppDataFolder(std::string* folder) {
  if (!MachineFolder(L"ZELVO_COMMON_APPDATA", kCommonAppData, folder)) return false;
  // An override names a folder that may not be there yet.
  const std::wstring wide = WidePath(*folder);
  ::CreateDirectoryW(wide.c_str(), nullptr);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> Win32Platform::CommonFilesFolders() {
  std::vector<std::string> folders;
  std::string folder;
  if (MachineFolder(L"ZELVO_COMMON_FILES", kCommonProgramFiles, &folder)) folders.push_back(folder);
#ifdef _WIN64
  // The tool is a 32-bit program: installed in the 32-bit common files
  // folder, which a 64-bit process sees under another name.
  if (wchar_t path[MAX_PATH] = {};
      ::GetEnvironmentVariableW(L"ZELVO_COMMON_FILES", nullptr, 0) == 0 &&
      ::SHGetFolderPathW(nullptr, kCommonProgramFilesX86, nullptr, 0, path) == S_OK) {
    const std::string x86 = Utf8FromWide(path);
    if (folders.empty() || folders[0] != x86) folders.push_back(x86);
  }
#endif
  return folders;
}

std::u16string Win32Platform::ProcessCommandLine() {
  const std::wstring_view line = ::GetCommandLineW();
  return std::u16string(line.begin(), line.end());
}

}  // namespace zelvo
