#include <winsock2.h>
// After winsock2.h.
#include <ws2tcpip.h>

#include <cctype>
#include <cstdlib>

#include "tests/support/http_recorder.h"

namespace zelvo::testing {
namespace {

constexpr char kPage[] = "<html><head><title>Test Page</title></head><body>test page</body></html>";

// The value of the Content-Length header, 0 when there is none.
size_t ContentLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t at = lower.find("\r\ncontent-length:");
  return at == std::string::npos ? 0 : std::strtoul(head.c_str() + at + 17, nullptr, 10);
}

}  // namespace

HttpRecorder::HttpRecorder() : listener_(INVALID_SOCKET) {
  WSADATA data;
  if (::WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
  const SOCKET listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof address;
  if (listener == INVALID_SOCKET ||
      ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener, 16) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    if (listener != INVALID_SOCKET) ::closesocket(listener);
    return;
  }
  listener_ = listener;
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { Accept(); });
}

HttpRecorder::~HttpRecorder() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    held_ = false;
  }
  changed_.notify_all();
  // Closing the listener ends the wait for the next connection; then no
  // connection is added any more.
  if (listener_ != INVALID_SOCKET) ::closesocket(listener_);
  if (acceptor_.joinable()) acceptor_.join();
  for (std::thread& connection : connections_) connection.join();
  ::WSACleanup();
}

void HttpRecorder::Accept() {
  for (;;) {
    const SOCKET connection = ::accept(listener_, nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_) {
      ::closesocket(connection);
      return;
    }
    connections_.emplace_back([this, connection] { Serve(connection); });
  }
}

void HttpRecorder::Serve(uintptr_t socket) {
  const SOCKET connection = socket;
  std::string request;
  size_t head_end = std::string::npos;
  char buffer[4096];
  for (;;) {
    if (head_end == std::string::npos) head_end = request.find("\r\n\r\n");
    if (head_end != std::string::npos &&
        request.size() >= head_end + 4 + ContentLength(request.substr(0, head_end))) {
      break;
    }
    const int n = ::recv(connection, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<size_t>(n));
  }
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!request.empty()) requests_.push_back(request);
    changed_.notify_all();
    changed_.wait(lock, [this] { return !held_; });
  }
  const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                             std::to_string(sizeof kPage - 1) + "\r\nConnection: close\r\n\r\n" +
                             kPage;
  ::send(connection, answer.data(), static_cast<int>(answer.size()), 0);
  ::shutdown(connection, SD_SEND);
  ::closesocket(connection);
}

std::vector<std::string> HttpRecorder::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

bool HttpRecorder::WaitForRequests(size_t count, std::chrono::seconds timeout) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

void HttpRecorder::Hold(bool held) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    held_ = held;
  }
  changed_.notify_all();
}

}  // namespace zelvo::testing
