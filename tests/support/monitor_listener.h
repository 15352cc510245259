// A monitor for tests: listens where the engine looks for one (the
// "Zelvo5 Debugging Tool" socket in $XDG_RUNTIME_DIR on Linux, a hidden
// window of that title on Windows), answers every message and keeps what it
// received.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zelvo::testing {

class MonitorListener {
 public:
  // Points $XDG_RUNTIME_DIR at `runtime_folder` and starts listening there;
  // on Windows the folder is not used.
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
  // Records one message; the listening side calls it.
  void Keep(Message message);

 private:
#ifdef _WIN32
  void* window_ = nullptr;  // the HWND, made and served by thread_
#else
  void Serve();

  std::string path_;
  int listener_ = -1;
  int stop_pipe_[2] = {-1, -1};
#endif
  std::thread thread_;
  std::mutex mutex_;
  std::vector<Message> messages_;
};

}  // namespace zelvo::testing
