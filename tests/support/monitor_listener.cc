#include "tests/support/monitor_listener.h"

namespace zelvo::testing {

std::vector<MonitorListener::Message> MonitorListener::Messages() {
  std::lock_guard<std::mutex> hold(mutex_);
  return messages_;
}

void MonitorListener::Keep(Message message) {
  std::lock_guard<std::mutex> hold(mutex_);
  messages_.push_back(std::move(message));
}

}  // namespace zelvo::testing
