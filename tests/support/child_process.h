// Running real programs from tests: the command-line host, the stand-in tool.
#pragma once

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
  std::vector<std::string> environment;  // NAME=value added to this process's
  // On Windows, the arguments after the program go onto its command line as
  // they are, joined by blanks, as the library starts the tool (which takes
  // its command line whole); elsewhere each argument is passed on its own
  // anyway.
  bool arguments_as_they_are = false;
#ifndef _WIN32
  std::optional<unsigned> user;  // run as this user id (and group), when root
#endif
};

#ifndef _WIN32
// A copy of `program`, with the files it needs beside it (source path and
// the name it looks for), in `folder`, where any user can run it: a build
// tree below a private home folder is out of reach of other users.
std::string ProgramForAnyUser(const std::string& program,
                              const std::vector<std::pair<std::string, std::string>>& companions,
                              const std::string& folder);
#endif

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
  // Ends it at once, as a crash or a power cut would: SIGKILL, or
  // TerminateProcess on Windows.
  void Kill();
  int Wait();

 private:
  // What the child wrote next, at most `size` bytes; 0 at its end.
  size_t ReadSome(char* buffer, size_t size);

#ifdef _WIN32
  void* process_ = nullptr;  // HANDLEs
  void* to_child_ = nullptr;
  void* from_child_ = nullptr;
  unsigned long exit_code_ = 0;
#else
  int pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  int status_ = 0;
#endif
  std::string pending_;
  bool waited_ = false;
};

}  // namespace zelvo::testing
