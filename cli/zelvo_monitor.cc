// zelvo-monitor: receives the echo of every command that Zelvo runs while it
// listens, and prints each as one UTF-8 line. Diagnostic only.
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/monitor_arguments.h"
#include "engine/monitor_message.h"
#include "engine/text.h"

namespace {

constexpr char kUsage[] =
    "Usage: zelvo-monitor [--help | --version]\n"
    "\n"
    "Listens at \"$XDG_RUNTIME_DIR/Zelvo5 Debugging Tool\" and prints every\n"
    "command echo as one line: caller|command|parameters|result|answer.\n"
    "Programs that load Zelvo echo only if the monitor was listening when they\n"
    "loaded it, and stop for good once they find it gone. Ctrl-C ends it.\n";

volatile sig_atomic_t stop_requested = 0;

void RequestStop(int) { stop_requested = 1; }

// Prints one echo and answers the message.
bool Serve(int fd) {
  ssize_t size;
  do {
    size = ::recv(fd, nullptr, 0, MSG_PEEK | MSG_TRUNC);
  } while (size < 0 && errno == EINTR);
  if (size <= 0) return false;
  std::vector<uint8_t> message(static_cast<size_t>(size));
  if (::recv(fd, message.data(), message.size(), 0) != size) return false;
  uint32_t data_word = 0;
  std::u16string text;
  if (zelvo::DecodeMonitorDatagram(message, &data_word, &text) &&
      data_word == zelvo::kEchoDataWord) {
    std::cout << zelvo::Utf16ToUtf8(text) << std::endl;
  }
  const uint8_t answer = 1;
  return ::send(fd, &answer, 1, MSG_NOSIGNAL) == 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int status = zelvo::HandleMonitorArguments(argc, argv, kUsage); status >= 0) {
    return status;
  }
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') {
    std::cerr << "zelvo-monitor: XDG_RUNTIME_DIR is not set\n";
    return 1;
  }
  const std::string path = zelvo::MonitorSocketPath(runtime);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) {
    std::cerr << "zelvo-monitor: socket path too long: " << path << "\n";
    return 1;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  const int listener = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  ::unlink(path.c_str());  // a socket left by a monitor that died
  if (listener < 0 ||
      ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener, 16) != 0) {
    std::cerr << "zelvo-monitor: cannot listen at " << path << ": " << std::strerror(errno) << "\n";
    return 1;
  }
  struct sigaction action = {};
  action.sa_handler = RequestStop;
  ::sigaction(SIGINT, &action, nullptr);
  ::sigaction(SIGTERM, &action, nullptr);
  std::cerr << "zelvo-monitor: listening at " << path << "\n";

  std::vector<pollfd> fds = {{listener, POLLIN, 0}};
  while (!stop_requested) {
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (size_t i = fds.size(); i-- > 1;) {
      if (fds[i].revents != 0 && !Serve(fds[i].fd)) {
        ::close(fds[i].fd);
        fds.erase(fds.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    if (fds[0].revents & POLLIN) {
      const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
      if (client >= 0) fds.push_back({client, POLLIN, 0});
    }
  }
  ::unlink(path.c_str());
  return 0;
}
