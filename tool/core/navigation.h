// What the view does with a navigation the page or the user starts: a link
// to "~close~" closes the window and one to "~print~" prints the page, both
// without navigating; "zvm:" links go to the system, which starts a new tool
// for them; everything else goes ahead.
#pragma once

#include <optional>
#include <string_view>

namespace zelvo {

struct NavigationDecision {
  enum class Step { kClose, kPrint, kHandToSystem, kGoAhead };
  Step step;
  // The new value of the navigating flag; none leaves it as it is.
  std::optional<bool> navigating;
  bool operator==(const NavigationDecision&) const = default;
};

// The decision for `address` (compared ignoring ASCII case); a navigation of
// the main frame sets the navigating flag, except for popups and programs.
NavigationDecision DecideNavigation(std::u16string_view address, bool main_frame);

}  // namespace zelvo
