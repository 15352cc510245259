// Where the tool keeps what it keeps, on every platform: the registry keys
// on Windows, the settings files of the desktop elsewhere.
#pragma once

#include "engine/names.h"

namespace zelvo::settings {

// The company's settings (kCompanyName); machine-wide, they hold kHttpGet.
// The user's settings of the product (kCompanyName/kProductName): the last
// run's result, for the caller to read.
inline constexpr char16_t kResultText[] = u"ZelvoResult";
inline constexpr char16_t kResultCode[] = u"ZelvoReturnCode";
// 1: web links send their form fields as a query instead of a POST.
inline constexpr char16_t kHttpGet[] = u"ZelvoHttpGet";
// The user's settings of the tool (kCompanyName/kToolName): the main
// window's placement in the group kPlacementGroup, under the entry names of
// PlacementEntryNames.
inline constexpr char16_t kPlacementGroup[] = u"MainWnd";

}  // namespace zelvo::settings
