// zelvo-monitor for Windows: a hidden top-level window titled "Zelvo5
// Debugging Tool" that receives the echo of every command Zelvo runs as
// WM_COPYDATA, and prints each as one UTF-8 line. Diagnostic only.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/monitor_arguments.h"
#include "engine/monitor_message.h"
#include "engine/names.h"
#include "engine/text.h"

namespace {

constexpr char kUsage[] =
    "Usage: zelvo-monitor [--help | --version]\n"
    "\n"
    "Opens a hidden window titled \"Zelvo5 Debugging Tool\" and prints every\n"
    "command echo as one line: caller|command|parameters|result|answer.\n"
    "Programs that load Zelvo echo only if the monitor was open when they\n"
    "ran their first command, and stop for good once they find it gone.\n"
    "Ctrl-C ends it.\n";

HWND monitor_window = nullptr;

LRESULT CALLBACK MonitorProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(l);
    if (data->dwData != zelvo::kEchoDataWord) return FALSE;
    const std::u16string text =
        zelvo::TextOfUtf16Le({static_cast<const uint8_t*>(data->lpData), data->cbData});
    const std::string line = zelvo::Utf16ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
    return TRUE;
  }
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, w, l);
}

BOOL WINAPI OnConsoleEvent(DWORD) {
  ::PostMessageW(monitor_window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  // The same bytes as on Linux: no line-end translation.
  _setmode(_fileno(stdout), _O_BINARY);
  if (const int status = zelvo::HandleMonitorArguments(argc, argv, kUsage); status >= 0) {
    return status;
  }
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = MonitorProcedure;
  window_class.hInstance = ::GetModuleHandleW(nullptr);
  window_class.lpszClassName = L"ZelvoMonitor";
  if (::RegisterClassW(&window_class) == 0 ||
      (monitor_window = ::CreateWindowExW(
           0, window_class.lpszClassName, zelvo::kMonitorName.windows, WS_OVERLAPPED, 0, 0, 0, 0,
           nullptr, nullptr, window_class.hInstance, nullptr)) == nullptr) {
    std::fprintf(stderr, "zelvo-monitor: cannot open its window: error %lu\n", ::GetLastError());
    return 1;
  }
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
  std::fprintf(stderr, "zelvo-monitor: listening as the window \"%s\"\n",
               zelvo::kMonitorName.narrow);
  std::fflush(stderr);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
