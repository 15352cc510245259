// What the platform's access rules say of a file or folder, for tests that
// check the data folder is open to every user, and a way to close one.
#pragma once

#include <string>

namespace zelvo::testing {

// Every user may read and write the file, or list, enter and create in the
// folder; for a folder, what is created in it later inherits that (a default
// access list entry on Linux, an inheritable entry for Everyone on Windows).
bool OpenToEveryone(const std::string& path);

// Whether new files in a folder get its inheritable access entries: true on
// Linux (default access lists) and Windows, false under Wine, which keeps
// access as POSIX modes only.
bool NewFilesInheritAccess();

// Only the owner may use it from now on. (Under Wine: a file loses its
// write permission, a folder stays as it is.)
void MakePrivate(const std::string& path);

}  // namespace zelvo::testing
