#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

namespace zelvo::testing {
namespace {

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

[[noreturn]] void Exec(const std::vector<std::string>& argv, const ChildOptions& options) {
  for (const std::string& variable : options.environment) ::putenv(::strdup(variable.c_str()));
  if (options.user) {
    if (::setgid(*options.user) != 0 || ::setuid(*options.user) != 0) ::_exit(126);
  }
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  ::execv(args[0], args.data());
  ::_exit(127);
}

}  // namespace

std::string ProgramForAnyUser(const std::string& program,
                              const std::vector<std::pair<std::string, std::string>>& companions,
                              const std::string& folder) {
  namespace fs = std::filesystem;
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  const std::string copy = folder + "/" + fs::path(program).filename().string();
  fs::copy_file(program, copy, fs::copy_options::overwrite_existing);
  for (const auto& [source, name] : companions) {
    fs::copy_file(source, folder + "/" + name, fs::copy_options::overwrite_existing);
  }
  return copy;
}

ChildOutcome RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    Exec(argv, options);
  }
  ::close(in[0]);
  ::close(out[1]);
  std::thread writer([&] {
    size_t done = 0;
    while (done < options.input.size()) {
      const ssize_t n = ::write(in[1], options.input.data() + done, options.input.size() - done);
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    ::close(in[1]);
  });
  ChildOutcome outcome;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(out[0], buffer, sizeof buffer)) > 0)
    outcome.output.append(buffer, static_cast<size_t>(n));
  ::close(out[0]);
  writer.join();
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.exit_code = ExitCodeOf(status);
  return outcome;
}

LiveChild::LiveChild(const std::vector<std::string>& argv) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    Exec(argv, {});
  }
  ::close(in[0]);
  ::close(out[1]);
  to_child_ = in[1];
  from_child_ = out[0];
}

LiveChild::~LiveChild() {
  if (to_child_ >= 0) ::close(to_child_);
  if (!waited_ && pid_ > 0) {
    Kill();
    Wait();
  }
  if (from_child_ >= 0) ::close(from_child_);
}

bool LiveChild::WriteLine(const std::string& line) {
  const std::string text = line + "\n";
  return ::write(to_child_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

size_t LiveChild::ReadSome(char* buffer, size_t size) {
  const ssize_t n = ::read(from_child_, buffer, size);
  return n > 0 ? static_cast<size_t>(n) : 0;
}

void LiveChild::Kill() { ::kill(pid_, SIGKILL); }

int LiveChild::Wait() {
  if (!waited_) {
    while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
    }
    waited_ = true;
  }
  return ExitCodeOf(status_);
}

}  // namespace zelvo::testing
