// The monitor channel: a top-level window found by its title, sent one
// WM_COPYDATA message per message; SendMessageW waits until the monitor has
// handled it.
#include <windows.h>

#include "engine/names.h"
#include "engine/platform/win32/win32_platform.h"

namespace zelvo {
namespace {

class WindowMonitorConnection final : public MonitorConnection {
 public:
  explicit WindowMonitorConnection(HWND window) : window_(window) {}

  bool Send(uint32_t data_word, std::u16string_view text) override {
    COPYDATASTRUCT message = {};
    message.dwData = data_word;
    message.cbData = static_cast<DWORD>(2 * text.size());
    message.lpData = const_cast<char16_t*>(text.data());
    ::SendMessageW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message));
    return true;
  }

 private:
  const HWND window_;
};

}  // namespace

std::unique_ptr<MonitorConnection> Win32Platform::ConnectToMonitor() {
  const HWND window = ::FindWindowW(nullptr, kMonitorName.windows);
  if (window == nullptr) return nullptr;
  return std::make_unique<WindowMonitorConnection>(window);
}

}  // namespace zelvo
