// Starting the desktop tool: posix_spawn with the program path and one
// argument, the host's environment and current folder, then a wait without
// time limit.
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>

#include "engine/platform/posix/posix_platform.h"
#include "engine/text.h"

extern char** environ;

namespace zelvo {

ProgramOutcome PosixPlatform::RunProgram(const std::string& program, std::u16string_view argument) {
  std::string program_copy = program;
  std::string argument_text = Utf16ToUtf8(argument);
  char* argv[] = {program_copy.data(), argument_text.data(), nullptr};

  ProgramOutcome outcome;
  pid_t child = 0;
  const int error = ::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ);
  if (error != 0) {
    outcome.kind = error == EACCES || error == EPERM     ? ProgramOutcome::Kind::kAccessDenied
                   : error == ENOENT || error == ENOTDIR ? ProgramOutcome::Kind::kNotFound
                                                         : ProgramOutcome::Kind::kStartFailed;
    return outcome;
  }

  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited != child) {
    outcome.kind = ProgramOutcome::Kind::kExitCodeUnknown;
    return outcome;
  }

  outcome.kind = ProgramOutcome::Kind::kExited;
  if (WIFEXITED(status)) {
    outcome.exit_code = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    outcome.exit_code = 128 + WTERMSIG(status);
  }
  return outcome;
}

}  // namespace zelvo
