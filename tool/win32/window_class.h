// What the tool's own windows (the frame and the view) share: their class,
// and the object each window belongs to.
#pragma once

#include <windows.h>

namespace zelvo {

// Registers a window class of the program with its procedure, the arrow
// cursor and the window colour behind it; `icon` may be null.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                         HICON icon = nullptr);

// The object a window of ours belongs to: given to CreateWindowExW as the
// creation parameter and kept with the window from WM_NCCREATE on; null
// before then and once the window has let go of it.
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<Object*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace zelvo
