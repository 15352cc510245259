// What the tool can learn of the caller's window, another process's window,
// on X11.
#pragma once

#include <QWindow>
#include <optional>

#include "tool/core/window_placement.h"

namespace zelvo {

// Title, window rectangle, visibility and minimised state of `window` (a
// foreign window wrapper); nothing when the window system cannot say.
std::optional<ParentWindowInfo> QueryParentWindow(const QWindow* window);

}  // namespace zelvo
