// A monitor for tests: listens where the engine looks for one (the
// "Zelvo5 Debugging Tool" socket in $XDG_RUNTIME_DIR), answers every message
// and keeps what it received.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelvo::testing {

class MonitorListener {
 public:
  // Points $XDG_RUNTIME_DIR at `runtime_folder` and starts listening there.
  explicit MonitorListener(const std::string& runtime_folder);
  ~MonitorListener();
  MonitorListener(const MonitorListener&) = delete;
  MonitorListener& operator=(const MonitorListener&) = delete;

  // Every message so far: the data word, then the text as UTF-16.
  struct Message {
    uint32_t data_word;
    std::u16string text;
  };
  std::vector<Message> Messages();

 private:
  void Serve();

  std::string path_;
  int listener_ = -1;
  int stop_pipe_[2] = {-1, -1};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<Message> messages_;
};

}  // namespace zelvo::testing
