#include "tool/win32/registry_key.h"

namespace zelvo {

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) ::RegCloseKey(key_);
}

bool RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
  return ::RegOpenKeyExW(root, path.c_str(), 0, access, &key_) == ERROR_SUCCESS;
}

bool RegistryKey::Create(HKEY root, const std::wstring& path, REGSAM access) {
  return ::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                           &key_, nullptr) == ERROR_SUCCESS;
}

std::optional<DWORD> RegistryKey::ReadDword(const wchar_t* name) const {
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> RegistryKey::ReadBinary(const wchar_t* name) const {
  DWORD type = 0;
  DWORD size = 0;
  if (::RegQueryValueExW(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_BINARY) {
    return std::nullopt;
  }
  std::string bytes(size, '\0');
  if (::RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                         &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  bytes.resize(size);
  return bytes;
}

bool RegistryKey::WriteString(const wchar_t* name, std::wstring_view value) {
  const std::wstring terminated(value);
  const DWORD size = static_cast<DWORD>((terminated.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(terminated.c_str()),
                          size) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const wchar_t* name, DWORD value) {
  return ::RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::WriteBinary(const wchar_t* name, std::string_view bytes) {
  return ::RegSetValueExW(key_, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

}  // namespace zelvo
