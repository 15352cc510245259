// Whether the window commands have a display to open their window on. Qt
// ends the process when its platform cannot start, so the tool asks first.
#pragma once

namespace zelvo {

// False only when the X11 platform would be used and no X server can be
// reached; any other platform Qt is asked for is trusted to open.
bool CanOpenDisplay();

}  // namespace zelvo
