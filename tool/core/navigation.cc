#include "tool/core/navigation.h"

#include <string>

#include "engine/text.h"

namespace zelvo {

NavigationDecision DecideNavigation(std::u16string_view address, bool main_frame) {
  using Step = NavigationDecision::Step;
  const std::u16string lower = AsciiLower(address);
  const auto holds = [&lower](std::u16string_view part) {
    return lower.find(part) != std::u16string::npos;
  };
  if (holds(u"~close~")) return {Step::kClose, false};
  if (holds(u"~print~")) return {Step::kPrint, false};
  if (lower.starts_with(u"zvm:")) return {Step::kHandToSystem, std::nullopt};
  if (holds(u"javascript:popupwindow") || holds(u".exe")) return {Step::kGoAhead, false};
  if (main_frame) return {Step::kGoAhead, true};
  return {Step::kGoAhead, std::nullopt};
}

}  // namespace zelvo
