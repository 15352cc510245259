// The monitor channel: a SOCK_SEQPACKET socket in $XDG_RUNTIME_DIR, one
// datagram per message, each answered with one byte.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/monitor_message.h"
#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

class SocketMonitorConnection final : public MonitorConnection {
 public:
  explicit SocketMonitorConnection(int fd) : fd_(fd) {}
  ~SocketMonitorConnection() override { ::close(fd_); }

  bool Send(uint32_t data_word, std::u16string_view text) override {
    const std::vector<uint8_t> message = EncodeMonitorDatagram(data_word, text);
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
  const std::string path = MonitorSocketPath(runtime);
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
