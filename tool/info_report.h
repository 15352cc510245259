// The information report of INFODISPLAY and DEBUGDISPLAY: a small HTML page
// of what the user profile holds, written to a temporary file and shown.
#pragma once

#include <QString>
#include <string>

#include "engine/user_profile.h"

class ZelvoToolView;

namespace zelvo {

class ZelvoToolApp;

// The page's bytes: UTF-8, every line ending in CR LF, every value
// HTML-escaped. The title line names the command.
std::string ReportPage(std::u16string_view command, const UserProfile& profile,
                       const QString& country_name);

// Writes the report of the app's command into a new temporary file (deleted
// at exit) and shows it. A file that cannot be made leaves the window empty.
void ShowReport(ZelvoToolApp* app, ZelvoToolView* view);

}  // namespace zelvo
