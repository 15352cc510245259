// Paths and system text: UTF-8 in the engine, UTF-16 at the system calls, and
// the one place that says what a failed file call's error means.
#include <windows.h>

#include "engine/platform/win32/win32_platform.h"
#include "engine/text.h"

namespace zelvo {

std::wstring WidePath(const std::string& path) {
  const std::u16string wide = Utf8ToUtf16(path);
  return std::wstring(wide.begin(), wide.end());
}

std::string Utf8FromWide(const wchar_t* text) {
  const std::wstring_view view(text);
  return Utf16ToUtf8(std::u16string(view.begin(), view.end()));
}

FileError FileErrorOf(unsigned long error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return FileError::kMissing;
    case ERROR_CANT_ACCESS_FILE:  // a reparse point that cannot be opened as a file
      return FileError::kNotAFile;
    default:  // access denied, a sharing violation, an I/O error, no handles
      return FileError::kUnavailable;
  }
}

}  // namespace zelvo
