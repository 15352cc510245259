#include "tests/support/own_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "tests/support/temp_folder.h"

namespace zelvo::testing {

int RunTestsInOwnFolder() {
  TempFolder folder;
  if (folder.path().empty() || ::chdir(folder.path().c_str()) != 0) {
    std::perror("cannot change into a temporary folder");
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  // Out of the folder before it goes.
  if (::chdir("/") != 0) std::perror("chdir");
  return result;
}

}  // namespace zelvo::testing
