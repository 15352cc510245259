// The main of the test programs that need no set-up of their own.
#include <gtest/gtest.h>

#include "tests/support/own_folder.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return zelvo::testing::RunTestsInOwnFolder();
}
