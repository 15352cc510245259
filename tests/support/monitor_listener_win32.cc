#include <windows.h>

#include <future>
#include <stdexcept>

#include "engine/monitor_message.h"
#include "engine/names.h"
#include "tests/support/monitor_listener.h"

namespace zelvo::testing {
namespace {

constexpr wchar_t kWindowClass[] = L"ZelvoTestMonitor";

LRESULT CALLBACK MonitorProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<CREATESTRUCTW*>(lparam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  if (message == WM_COPYDATA) {
    auto* listener = reinterpret_cast<MonitorListener*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    listener->Keep({static_cast<uint32_t>(data->dwData),
                    TextOfUtf16Le({static_cast<const uint8_t*>(data->lpData), data->cbData})});
    return TRUE;
  }
  if (message == WM_DESTROY) ::PostQuitMessage(0);
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

MonitorListener::MonitorListener(const std::string&) {
  std::promise<HWND> made;
  std::future<HWND> window = made.get_future();
  thread_ = std::thread([this, &made] {
    WNDCLASSW window_class = {};
    window_class.lpfnWndProc = MonitorProcedure;
    window_class.hInstance = ::GetModuleHandleW(nullptr);
    window_class.lpszClassName = kWindowClass;
    ::RegisterClassW(&window_class);
    // Never shown: the engine finds it by its title.
    const HWND window =
        ::CreateWindowExW(0, kWindowClass, kMonitorName.windows, WS_OVERLAPPEDWINDOW, 0, 0, 100,
                          100, nullptr, nullptr, window_class.hInstance, this);
    made.set_value(window);
    if (window == nullptr) return;
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  });
  window_ = window.get();
  if (window_ == nullptr) {
    thread_.join();
    throw std::runtime_error("cannot create the monitor window");
  }
}

MonitorListener::~MonitorListener() {
  ::PostMessageW(static_cast<HWND>(window_), WM_CLOSE, 0, 0);
  thread_.join();
}

}  // namespace zelvo::testing
