// Running real programs from tests: the command-line host, the stand-in tool.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace zelvo::testing {

struct ChildOutcome {
  int exit_code = -1;  // 128 + n when killed by signal n
  std::string output;  // standard output
};

struct ChildOptions {
  std::string input;                     // written to standard input, then closed
  std::optional<uid_t> user;             // run as this user (and its group), when root
  std::vector<std::string> environment;  // NAME=value added to this process's
};

// A copy of `program`, with the files it needs beside it (source path and
// the name it looks for), in `folder`, where any user can run it: a build
// tree below a private home folder is out of reach of other users.
std::string ProgramForAnyUser(const std::string& program,
                              const std::vector<std::pair<std::string, std::string>>& companions,
                              const std::string& folder);

// Runs the program to its end.
ChildOutcome RunChild(const std::vector<std::string>& argv, const ChildOptions& options = {});

// A child that keeps running while the test talks to it line by line.
class LiveChild {
 public:
  explicit LiveChild(const std::vector<std::string>& argv);
  ~LiveChild();
  LiveChild(const LiveChild&) = delete;
  LiveChild& operator=(const LiveChild&) = delete;

  bool WriteLine(const std::string& line);
  // The next line of its standard output; nothing at its end.
  std::optional<std::string> ReadLine();
  void Kill(int signal);
  int Wait();

 private:
  pid_t pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  std::string pending_;
  bool waited_ = false;
  int status_ = 0;
};

}  // namespace zelvo::testing
