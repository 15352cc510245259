// A web server on 127.0.0.1 for the Windows tool's tests: it keeps every
// request it receives byte for byte (request line, headers, body) and
// answers each with a small page, at once or once the test lets it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelvo::testing {

class HttpRecorder {
 public:
  // Listens on a free port; port() is 0 when it could not.
  HttpRecorder();
  ~HttpRecorder();
  HttpRecorder(const HttpRecorder&) = delete;
  HttpRecorder& operator=(const HttpRecorder&) = delete;

  int port() const { return port_; }
  // The requests received so far, whole.
  std::vector<std::string> Requests();
  // Waits until `count` requests have arrived; false when they have not
  // within the time.
  bool WaitForRequests(size_t count, std::chrono::seconds timeout);
  // While held, requests are taken in but not answered.
  void Hold(bool held);

 private:
  void Accept();
  void Serve(uintptr_t connection);

  uintptr_t listener_;  // SOCKET
  int port_ = 0;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> requests_;
  bool held_ = false;
  bool stopping_ = false;
  std::thread acceptor_;
  std::vector<std::thread> connections_;
};

}  // namespace zelvo::testing
