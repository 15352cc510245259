#include "tool/win32/window_class.h"

namespace zelvo {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon) {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = name;
  ::RegisterClassExW(&window_class);
}

}  // namespace zelvo
