// Opening a folder or file to every user: an inheritable full-control entry
// for Everyone (S-1-1-0), merged into the object's access list.
#include <windows.h>
// After windows.h.
#include <aclapi.h>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {

void Win32Platform::GrantEveryoneAccess(const std::string& path) {
  std::wstring wide = WidePath(path);
  // A link is never followed.
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
    return;
  PACL old_list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &old_list, nullptr, &descriptor) != ERROR_SUCCESS) {
    return;
  }
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  if (::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
    EXPLICIT_ACCESSW entry = {};
    entry.grfAccessPermissions = GENERIC_ALL | FILE_ALL_ACCESS;
    entry.grfAccessMode = GRANT_ACCESS;
    entry.grfInheritance = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    entry.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL new_list = nullptr;
    if (::SetEntriesInAclW(1, &entry, old_list, &new_list) == ERROR_SUCCESS) {
      ::SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, new_list, nullptr);
      ::LocalFree(new_list);
    }
    ::FreeSid(everyone);
  }
  ::LocalFree(descriptor);
}

}  // namespace zelvo
