// The lock keys' states, as the X server's keyboard lights show them.
#pragma once

#include <optional>

namespace zelvo {

struct LockKeys {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// Nothing when the window system cannot say (not X11).
std::optional<LockKeys> QueryLockKeys();

}  // namespace zelvo
