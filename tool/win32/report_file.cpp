#include "tool/win32/report_file.h"

#include <windows.h>

#include <random>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {

std::string AnsiWithCharacterReferences(std::u16string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size();) {
    const AnsiCharacter character = ToAnsiCharacter(text, i);
    if (!character.bytes.empty()) {
      bytes += character.bytes;
    } else {
      const uint32_t code_point =
          character.units == 2 ? 0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u)
                               : text[i];
      bytes += "&#" + std::to_string(code_point) + ";";
    }
    i += character.units;
  }
  return bytes;
}

std::string WriteReportFile(std::u16string_view page) {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = ::GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  const std::string bytes = AnsiWithCharacterReferences(page);
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    wchar_t name[16];
    ::wsprintfW(name, L"Zel%08X.html", random());
    const std::wstring path = std::wstring(folder) + name;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (::GetLastError() == ERROR_FILE_EXISTS) continue;
      return {};
    }
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (::CloseHandle(file) && ok) return Utf8FromWide(path.c_str());
    ::DeleteFileW(path.c_str());
    return {};
  }
  return {};
}

}  // namespace zelvo
