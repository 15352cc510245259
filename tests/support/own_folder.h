// Every test program runs its tests inside a fresh temporary folder of its
// own, so that nothing a test writes by a relative path (a store named bare
// when no data folder can be had, a tool looked for in the current folder)
// lands in the source tree or the build tree.
#pragma once

namespace zelvo::testing {

// Changes into a new temporary folder, runs every registered test, and
// removes the folder with what the tests left in it. Returns the result of
// RUN_ALL_TESTS, or 1 when the folder cannot be had.
int RunTestsInOwnFolder();

}  // namespace zelvo::testing
