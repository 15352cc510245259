#include "engine/platform/win32/win32_platform.h"

namespace zelvo {

Platform* Platform::Default() {
  // Never destroyed: the platform must outlive every static object using it.
  static Platform* const platform = new Win32Platform;
  return platform;
}

}  // namespace zelvo
