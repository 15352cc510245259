// The monitor channel: a SOCK_SEQPACKET socket named "Zelvo5 Debugging Tool"
// in $XDG_RUNTIME_DIR. A message is the data word as 4 bytes little-endian,
// then the text as UTF-16LE without a terminator; the monitor answers each
// message with one byte.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

class SocketMonitorConnection final : public MonitorConnection {
 public:
  explicit SocketMonitorConnection(int fd) : fd_(fd) {}
  ~SocketMonitorConnection() override { ::close(fd_); }

  bool Send(uint32_t data_word, std::u16string_view text) override {
    std::vector<uint8_t> message(4 + 2 * text.size());
    for (int i = 0; i < 4; ++i) message[i] = static_cast<uint8_t>(data_word >> (8 * i));
    for (size_t i = 0; i < text.size(); ++i) {
      message[4 + 2 * i] = static_cast<uint8_t>(text[i]);
      message[5 + 2 * i] = static_cast<uint8_t>(text[i] >> 8);
    }
    const int wanted = static_cast<int>(std::min<size_t>(message.size() + 4096, 1 << 30));
    ::setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &wanted, sizeof wanted);
    ssize_t sent;
    do {
      sent = ::send(fd_, message.data(), message.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(message.size())) return false;
    uint8_t answer;
    ssize_t got;
    do {
      got = ::recv(fd_, &answer, 1, 0);
    } while (got < 0 && errno == EINTR);
    return got == 1;
  }

 private:
  const int fd_;
};

}  // namespace

std::unique_ptr<MonitorConnection> PosixPlatform::ConnectToMonitor() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return nullptr;
  const std::string path = std::string(runtime) + "/Zelvo5 Debugging Tool";
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return nullptr;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  if (fd < 0) return nullptr;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<SocketMonitorConnection>(fd);
}

}  // namespace zelvo
