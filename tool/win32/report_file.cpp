#include "tool/win32/report_file.h"

#include <windows.h>

#include <random>

#include "engine/platform/win32/win32_platform.h"
#include "engine/text.h"

namespace zelvo {

std::string AnsiWithCharacterReferences(std::u16string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size();) {
    const bool pair =
        i + 1 < text.size() && IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1]);
    const int units = pair ? 2 : 1;
    const wchar_t character[2] = {static_cast<wchar_t>(text[i]),
                                  static_cast<wchar_t>(pair ? text[i + 1] : 0)};
    char piece[8];
    BOOL lacking = FALSE;
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character, units, piece,
                                             sizeof piece, nullptr, &lacking);
    if (length > 0 && !lacking) {
      bytes.append(piece, static_cast<size_t>(length));
    } else {
      const uint32_t code_point =
          pair ? 0x10000 + ((text[i] - 0xD800u) << 10) + (text[i + 1] - 0xDC00u) : text[i];
      bytes += "&#" + std::to_string(code_point) + ";";
    }
    i += static_cast<size_t>(units);
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
