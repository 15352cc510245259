#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/stat.h>

#include "tests/support/access.h"

namespace zelvo::testing {
namespace {

// The permissions of the "other" entry of the folder's default access list,
// or -1 without one.
int DefaultOtherPermissions(const std::string& folder) {
  acl_t acl = acl_get_file(folder.c_str(), ACL_TYPE_DEFAULT);
  if (acl == nullptr) return -1;
  int permissions = -1;
  acl_entry_t entry;
  for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1;
       which = ACL_NEXT_ENTRY) {
    acl_tag_t tag;
    acl_permset_t set;
    if (acl_get_tag_type(entry, &tag) == 0 && tag == ACL_OTHER &&
        acl_get_permset(entry, &set) == 0) {
      permissions = (acl_get_perm(set, ACL_READ) ? 4 : 0) | (acl_get_perm(set, ACL_WRITE) ? 2 : 0) |
                    (acl_get_perm(set, ACL_EXECUTE) ? 1 : 0);
    }
  }
  acl_free(acl);
  return permissions;
}

}  // namespace

bool OpenToEveryone(const std::string& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return false;
  // Owner, group and others alike; a sticky folder would keep users from
  // replacing each other's files.
  if (S_ISDIR(info.st_mode)) {
    return (info.st_mode & 07777) == 0777 && DefaultOtherPermissions(path) == 7;
  }
  return (info.st_mode & 0666) == 0666;
}

bool NewFilesInheritAccess() { return true; }

void MakePrivate(const std::string& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) == 0) ::chmod(path.c_str(), S_ISDIR(info.st_mode) ? 0700 : 0600);
}

}  // namespace zelvo::testing
