#include "engine/platform/posix/posix_platform.h"

namespace zelvo {

Platform* Platform::Default() {
  // Never destroyed: the platform must outlive every static object using it.
  static Platform* const platform = new PosixPlatform;
  return platform;
}

}  // namespace zelvo
