// The information report of INFODISPLAY and DEBUGDISPLAY: a small HTML page
// of what the user profile holds.
#pragma once

#include <string>

#include "engine/user_profile.h"

namespace zelvo {

// The page's text: every line ending in CR LF, every value HTML-escaped.
// The title line names the command.
std::u16string ReportPage(std::u16string_view command, const UserProfile& profile,
                          std::u16string_view country_name);

}  // namespace zelvo
