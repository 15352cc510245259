#include "tests/support/monitor_listener.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "engine/monitor_message.h"

namespace zelvo::testing {

MonitorListener::MonitorListener(const std::string& runtime_folder)
    : path_(MonitorSocketPath(runtime_folder)) {
  ::setenv("XDG_RUNTIME_DIR", runtime_folder.c_str(), 1);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
  listener_ = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (listener_ < 0 ||
      ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 8) != 0 || ::pipe(stop_pipe_) != 0) {
    throw std::runtime_error("cannot listen at " + path_);
  }
  thread_ = std::thread([this] { Serve(); });
}

MonitorListener::~MonitorListener() {
  ::write(stop_pipe_[1], "x", 1);
  thread_.join();
  ::close(listener_);
  ::close(stop_pipe_[0]);
  ::close(stop_pipe_[1]);
  ::unlink(path_.c_str());
}

void MonitorListener::Serve() {
  std::vector<pollfd> fds = {{stop_pipe_[0], POLLIN, 0}, {listener_, POLLIN, 0}};
  while (true) {
    ::poll(fds.data(), fds.size(), -1);
    if (fds[0].revents != 0) break;
    for (size_t i = fds.size(); i-- > 2;) {
      if (fds[i].revents == 0) continue;
      uint8_t buffer[1 << 16];
      const ssize_t size = ::recv(fds[i].fd, buffer, sizeof buffer, 0);
      if (size <= 0) {
        ::close(fds[i].fd);
        fds.erase(fds.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      Message message{0, {}};
      if (DecodeMonitorDatagram({buffer, static_cast<size_t>(size)}, &message.data_word,
                                &message.text)) {
        Keep(std::move(message));
      }
      const uint8_t answer = 1;
      ::send(fds[i].fd, &answer, 1, MSG_NOSIGNAL);
    }
    if (fds[1].revents & POLLIN) {
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client >= 0) fds.push_back({client, POLLIN, 0});
    }
  }
  for (size_t i = 2; i < fds.size(); ++i) ::close(fds[i].fd);
}

}  // namespace zelvo::testing
