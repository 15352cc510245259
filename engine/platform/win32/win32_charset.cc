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

AnsiCharacter ToAnsiCharacter(std::u16string_view text, size_t at) {
  const size_t units =
      at + 1 < text.size() && IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1]) ? 2 : 1;
  const wchar_t character[2] = {static_cast<wchar_t>(text[at]),
                                static_cast<wchar_t>(units == 2 ? text[at + 1] : 0)};
  char bytes[8];
  BOOL lacking = FALSE;
  const int length =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, character, static_cast<int>(units), bytes,
                            sizeof bytes, nullptr, &lacking);
  if (length <= 0 || lacking) return {{}, units};
  return {std::string(bytes, static_cast<size_t>(length)), units};
}

std::string Win32Platform::WideToAnsi(std::u16string_view wide, size_t max_bytes) {
  std::string ansi;
  // One character at a time, so that the text is cut only between characters
  // and a character the code page lacks becomes '?' on its own.
  for (size_t i = 0; i < wide.size();) {
    const AnsiCharacter character = ToAnsiCharacter(wide, i);
    const std::string_view bytes =
        character.bytes.empty() ? std::string_view("?") : std::string_view(character.bytes);
    if (ansi.size() + bytes.size() > max_bytes) break;
    ansi += bytes;
    i += character.units;
  }
  return ansi;
}

}  // namespace zelvo
