// The host's character set is the system ANSI code page.
#include <windows.h>

#include "engine/platform/win32/win32_platform.h"
#include "engine/text.h"

namespace zelvo {

bool Win32Platform::AnsiToWide(std::string_view ansi, std::u16string* wide) {
  wide->clear();
  if (ansi.empty()) return true;
  constexpr DWORD kFlags = MB_PRECOMPOSED | MB_ERR_INVALID_CHARS;
  const int size = static_cast<int>(ansi.size());
  const int units = ::MultiByteToWideChar(CP_ACP, kFlags, ansi.data(), size, nullptr, 0);
  if (units <= 0) return false;
  std::wstring buffer(static_cast<size_t>(units), L'\0');
  if (::MultiByteToWideChar(CP_ACP, kFlags, ansi.data(), size, buffer.data(), units) != units)
    return false;
  wide->assign(buffer.begin(), buffer.end());
  return true;
}

std::string Win32Platform::WideToAnsi(std::u16string_view wide, size_t max_bytes) {
  std::string ansi;
  // One character at a time, so that the text is cut only between characters
  // and a character the code page lacks becomes '?' on its own.
  for (size_t i = 0; i < wide.size();) {
    const size_t units =
        i + 1 < wide.size() && IsHighSurrogate(wide[i]) && IsLowSurrogate(wide[i + 1]) ? 2 : 1;
    const wchar_t character[2] = {static_cast<wchar_t>(wide[i]),
                                  static_cast<wchar_t>(units == 2 ? wide[i + 1] : 0)};
    char piece[8];
    BOOL defaulted = FALSE;
    int bytes =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character, static_cast<int>(units),
                              piece, sizeof piece, "?", &defaulted);
    if (bytes <= 0) {
      piece[0] = '?';
      bytes = 1;
    }
    if (ansi.size() + static_cast<size_t>(bytes) > max_bytes) break;
    ansi.append(piece, static_cast<size_t>(bytes));
    i += units;
  }
  return ansi;
}

}  // namespace zelvo
