// One open registry key, closed when it goes; with the few value types the
// tool reads and writes.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // Opens an existing key; false when it is missing or refused.
  bool Open(HKEY root, const std::wstring& path, REGSAM access);
  // Opens the key, creating it (and the keys above it) when missing.
  bool Create(HKEY root, const std::wstring& path, REGSAM access);

  std::optional<DWORD> ReadDword(const wchar_t* name) const;
  std::optional<std::string> ReadBinary(const wchar_t* name) const;

  // A REG_SZ value, its terminating null counted in its size. A null name
  // writes the key's default value.
  bool WriteString(const wchar_t* name, std::wstring_view value);
  bool WriteDword(const wchar_t* name, DWORD value);
  bool WriteBinary(const wchar_t* name, std::string_view bytes);

 private:
  HKEY key_ = nullptr;
};

}  // namespace zelvo
