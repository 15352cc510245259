#include "tests/support/own_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "tests/support/temp_folder.h"

namespace zelvo::testing {

int RunTestsInOwnFolder() {
  TempFolder folder;
  std::error_code error;
  if (!folder.path().empty()) std::filesystem::current_path(folder.path(), error);
  if (folder.path().empty() || error) {
    std::fprintf(stderr, "cannot change into a temporary folder\n");
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  // Out of the folder before it goes.
  std::filesystem::current_path(std::filesystem::temp_directory_path(error), error);
  return result;
}

}  // namespace zelvo::testing
