#include <windows.h>
// After windows.h.
#include <aclapi.h>
#include <sddl.h>

#include "engine/platform/win32/win32_platform.h"
#include "tests/support/access.h"

namespace zelvo::testing {

bool OpenToEveryone(const std::string& path) {
  const std::wstring wide = WidePath(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  PACL list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  ::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const BYTE inherited = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
  bool open = false;
  // A null list grants everything to everyone.
  if (list == nullptr) open = true;
  for (DWORD i = 0; list != nullptr && i < list->AceCount && !open; ++i) {
    ACCESS_ALLOWED_ACE* entry = nullptr;
    if (!::GetAce(list, i, reinterpret_cast<void**>(&entry)) ||
        entry->Header.AceType != ACCESS_ALLOWED_ACE_TYPE ||
        !::EqualSid(reinterpret_cast<PSID>(&entry->SidStart), everyone)) {
      continue;
    }
    // Every specific right and deletion: read, write, run or list, replace.
    // Wine keeps access lists as POSIX modes and answers only these rights
    // of the full-control entry.
    const DWORD use = 0x1FF | DELETE;
    const bool full = (entry->Mask & GENERIC_ALL) != 0 || (entry->Mask & use) == use;
    open = full && (!folder || (entry->Header.AceFlags & inherited) == inherited);
  }
  ::FreeSid(everyone);
  ::LocalFree(descriptor);
  return open;
}

bool NewFilesInheritAccess() {
  // Wine has no inheritance of access entries: a new file gets the mode the
  // process's umask gives it.
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll == nullptr || ::GetProcAddress(ntdll, "wine_get_version") == nullptr;
}

void MakePrivate(const std::string& path) {
  const std::wstring wide = WidePath(path);
  // Wine keeps access as POSIX modes and turns any list it is given into
  // a mode of its own choosing; taking the write bits away (the read-only
  // attribute of a file) is the nearest it has to a private file.
  if (!NewFilesInheritAccess()) {
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
      ::SetFileAttributesW(wide.c_str(), attributes | FILE_ATTRIBUTE_READONLY);
    return;
  }
  // A protected list with one entry: full access for the owner.
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;OW)", SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
    return;
  }
  BOOL present = FALSE, defaulted = FALSE;
  PACL list = nullptr;
  if (::GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present) {
    ::SetNamedSecurityInfoW(const_cast<wchar_t*>(wide.c_str()), SE_FILE_OBJECT,
                            DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, list, nullptr);
  }
  ::LocalFree(descriptor);
}

}  // namespace zelvo::testing
