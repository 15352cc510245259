// What the tool keeps in the registry: the run's result for the caller, the
// machine-wide request switch, the main window's placement, and the "zvm"
// URL protocol.
#pragma once

#include <optional>
#include <string>

#include "tool/core/tool_services.h"
#include "tool/core/window_placement.h"

namespace zelvo {

// "ZelvoResult" and "ZelvoReturnCode" under HKCU "Software\Orvane
// Systems\Zelvo".
ResultWriteFailure WriteRunResult(std::u16string_view text, int32_t code);

// HKLM "Software\Orvane Systems" "ZelvoHttpGet" is 1, in the registry's
// 32-bit view.
bool ReadHttpGetSwitch();

// The main window's placement under HKCU "Software\Orvane
// Systems\ZelvoTool\MainWnd".
struct SavedPlacement {
  std::optional<Rect> rect;
  int maximized = -1;  // -1: none saved
};
SavedPlacement ReadPlacement(const PlacementNames& names);
void WritePlacement(const PlacementNames& names, const Rect& rect, bool maximized);

// Registers `tool_path` as the handler of "zvm:" links for this user, when
// no "zvm" class is registered yet (the installer's machine-wide one
// counts). Failures are ignored.
void RegisterUrlScheme(const std::wstring& tool_path);

}  // namespace zelvo
