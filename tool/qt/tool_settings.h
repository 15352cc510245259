// The tool's settings on Linux, in Qt's settings files under the keys of
// settings_keys.h.
#pragma once

#include <QString>

#include "tool/core/tool_services.h"

namespace zelvo {

// Writes the result text and code to the user settings of the product.
ResultWriteFailure WriteResultSettings(const QString& result_text, int result);

// Whether the machine-wide company settings hold the request switch = 1.
bool ReadHttpGetSwitch();

// Whether the main window was maximised when it was last closed (the entry
// without a caller's title).
bool ReadMainWindowMaximized();

}  // namespace zelvo
