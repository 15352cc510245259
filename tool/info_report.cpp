#include "tool/info_report.h"

#include <stdlib.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include "engine/data_folder.h"
#include "engine/text.h"
#include "tool/country_names.h"
#include "tool/zelvo_tool_app.h"
#include "tool/zelvo_tool_view.h"

namespace zelvo {
namespace {

// Markup or script in a value shows as text.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Cell(std::string_view value) { return "  <TD>" + Escaped(value) + "</TD>\r\n"; }

// Creates <temp>/ZelXXXXXX.html in one exclusive step; empty on failure.
QString CreateReportFile(std::string* bytes_to_write) {
  std::string pattern = QDir::tempPath().toStdString() + "/ZelXXXXXX.html";
  const int fd = ::mkstemps(pattern.data(), 5);
  if (fd < 0) return QString();
  size_t done = 0;
  bool ok = true;
  while (ok && done < bytes_to_write->size()) {
    const ssize_t n = ::write(fd, bytes_to_write->data() + done, bytes_to_write->size() - done);
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    ::unlink(pattern.c_str());
    return QString();
  }
  return QString::fromStdString(pattern);
}

}  // namespace

std::string ReportPage(std::u16string_view command, const UserProfile& profile,
                       const QString& country_name) {
  const bool debug = command == u"DEBUGDISPLAY";
  std::string page = "<HTML><HEAD>\r\n";
  page +=
      "<STYLE><!-- body,table,tr,td,thead,th,p,div,span {font-size: 12px; font-family: arial} "
      "--></STYLE>\r\n";
  page += debug ? "<TITLE>Zelvo5 Debug Display</TITLE><HEAD>\r\n"
                : "<TITLE>Orvane Systems Information</TITLE><HEAD>\r\n";
  page += "<BODY>\r\n";
  page += "<P><TABLE BORDER=\"0\">\r\n";
  page += "<CAPTION ALIGN=\"top\"><FONT SIZE=\"+2\">User</FONT></CAPTION>\r\n";
  for (int i = 0; i < 5; ++i) page += "<COL BGCOLOR=\"#f0f0f0\">";
  page += "\r\n";
  page +=
      "<THEAD BGCOLOR=\"#cccccc\"><TH>FirstName</TH><TH>LastName</TH><TH>Email</TH>"
      "<TH>Country_ID (Name)</TH><TH>OptIn</TH></THEAD>\r\n";
  page += "<TR>\r\n";
  page += Cell(Utf16ToUtf8(profile.first_name));
  page += Cell(Utf16ToUtf8(profile.last_name));
  page += Cell(Utf16ToUtf8(profile.email));
  page += Cell(std::to_string(profile.country_id) + " (" + country_name.toStdString() + ")");
  page += Cell(profile.opt_in ? "Yes" : "No");
  page += "</TR>\r\n";
  page += "</TABLE>\r\n";
  page += "</BODY></HTML>\r\n";
  return page;
}

void ShowReport(ZelvoToolApp* app, ZelvoToolView* view) {
  UserProfile profile;
  // A missing or damaged profile shows its defaults.
  profile.Load(app->engine().platform(),
               app->engine().data_folder().FilePath(kUserProfileFileName));
  std::string page = ReportPage(app->command(), profile, CountryName(profile.country_id));
  const QString path = CreateReportFile(&page);
  if (path.isEmpty()) return;
  app->AddTemporaryFile(path);
  view->Navigate(QUrl::fromLocalFile(path));
}

}  // namespace zelvo
