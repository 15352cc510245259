// The command-line host's own conventions: options told apart from command
// words, usage errors, the version, batch mode's exit status, and the notice
// for an answer that fills the library's buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/environment.h"
#include "tests/support/temp_folder.h"

namespace zelvo {
namespace {

using testing::ChildOptions;
using testing::RunChild;

class HostCommandLineTest : public ::testing::Test {
 protected:
  HostCommandLineTest() {
    testing::SetVariable("ZELVO_COMMON_APPDATA", base_.path());
    testing::UnsetVariable("XDG_RUNTIME_DIR");
  }

  static testing::ChildOutcome Host(std::vector<std::string> arguments,
                                    const ChildOptions& options = {}) {
    arguments.insert(arguments.begin(), ZELVO_CLI_PATH);
    return RunChild(arguments, options);
  }

  testing::TempFolder base_;
};

TEST_F(HostCommandLineTest, OptionsAreNeverSentAsCommands) {
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
    std::string output;  // standard output; usage errors write none
  };
  const Case cases[] = {
      {{"--version"}, 0, "zelvo 5.7\n"},
      {{"--frobnicate", "GETDATA"}, 2, ""},
      {{"-x"}, 2, ""},
      {{"--ansi"}, 2, ""},
      {{}, 2, ""},
      {{"GETDATA", "datakey=k", "extra"}, 2, ""},
      {{"--", "NOSUCH"}, 37, ""},
      {{"--ansi", "--", "GETDATA", "datakey=k"}, 32, ""},
  };
  for (const Case& c : cases) {
    const testing::ChildOutcome outcome = Host(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
    EXPECT_EQ(outcome.exit_code, c.exit_code) << shown;
    EXPECT_EQ(outcome.output, c.output) << shown;
  }
  EXPECT_NE(Host({"--help"}).output.find("Usage: zelvo"), std::string::npos);
}

TEST_F(HostCommandLineTest, BatchFailsWhenAnyLineFails) {
  ChildOptions good;
  good.input = "ADDDATA,datakey=k,datastring=v\nGETDATA,datakey=k\n";
  const testing::ChildOutcome passed = Host({"-"}, good);
  EXPECT_EQ(passed.exit_code, 0);
  EXPECT_EQ(passed.output, "0\t\n0\tv\n");

  ChildOptions one_bad;
  one_bad.input = "GETDATA,datakey=missing\nGETDATA,datakey=k\n";
  const testing::ChildOutcome failed = Host({"-"}, one_bad);
  EXPECT_EQ(failed.exit_code, 1);
  EXPECT_EQ(failed.output, "32\t\n0\tv\n");
}

}  // namespace
}  // namespace zelvo
