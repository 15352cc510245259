// Opening a folder or file to every user. Every class (owner, group, other)
// gets full access on folders and read and write on files; a folder also gets
// a default access list, so that what is created in it later is open to all
// whatever the creator's umask. Without access-list support the mode bits
// alone are set.
#include <fcntl.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

bool SetPermissions(acl_entry_t entry, bool read, bool write, bool execute) {
  acl_permset_t permissions;
  if (acl_get_permset(entry, &permissions) != 0 || acl_clear_perms(permissions) != 0) return false;
  if (read && acl_add_perm(permissions, ACL_READ) != 0) return false;
  if (write && acl_add_perm(permissions, ACL_WRITE) != 0) return false;
  if (execute && acl_add_perm(permissions, ACL_EXECUTE) != 0) return false;
  return acl_set_permset(entry, permissions) == 0;
}

bool AddEntry(acl_t* acl, acl_tag_t tag, mode_t bits) {
  acl_entry_t entry;
  return acl_create_entry(acl, &entry) == 0 && acl_set_tag_type(entry, tag) == 0 &&
         SetPermissions(entry, bits & 4, bits & 2, bits & 1);
}

// The folder's default list, merged: its named entries stay, the "other"
// entry becomes full access. A folder without one gets owner and group
// entries from its mode.
void GrantDefaultList(const std::string& fd_path, mode_t mode) {
  acl_t acl = acl_get_file(fd_path.c_str(), ACL_TYPE_DEFAULT);
  if (acl == nullptr) return;
  bool has_entries = false;
  acl_entry_t entry;
  for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1;
       which = ACL_NEXT_ENTRY) {
    has_entries = true;
    acl_tag_t tag;
    if (acl_get_tag_type(entry, &tag) == 0 && tag == ACL_OTHER)
      SetPermissions(entry, true, true, true);
  }
  bool ok = true;
  if (!has_entries) {
    ok = AddEntry(&acl, ACL_USER_OBJ, (mode >> 6) & 7) &&
         AddEntry(&acl, ACL_GROUP_OBJ, (mode >> 3) & 7) && AddEntry(&acl, ACL_OTHER, 7);
  }
  if (ok && acl_calc_mask(&acl) == 0 && acl_valid(acl) == 0) {
    acl_set_file(fd_path.c_str(), ACL_TYPE_DEFAULT, acl);
  }
  acl_free(acl);
}

}  // namespace

void PosixPlatform::GrantEveryoneAccess(const std::string& path) {
  // Open without following a link, then work on the descriptor only, so a
  // link planted in the folder can never redirect the change.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  struct stat info;
  if (::fstat(fd, &info) == 0) {
    if (S_ISDIR(info.st_mode)) {
      // Full access for all, and never sticky: a sticky folder would stop one
      // user's save from replacing a file that another user wrote.
      const mode_t mode = (info.st_mode & 07777 & ~S_ISVTX) | S_IRWXU | S_IRWXG | S_IRWXO;
      ::fchmod(fd, mode);
      GrantDefaultList("/proc/self/fd/" + std::to_string(fd), mode);
    } else if (S_ISREG(info.st_mode)) {
      ::fchmod(fd,
               (info.st_mode & 07777) | S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    }
  }
  ::close(fd);
}

}  // namespace zelvo
