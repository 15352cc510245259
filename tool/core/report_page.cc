#include "tool/core/report_page.h"

#include "engine/text.h"

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

}  // namespace

std::string ReportPage(std::u16string_view command, const UserProfile& profile,
                       std::u16string_view country_name) {
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
  page += Cell(std::to_string(profile.country_id) + " (" + Utf16ToUtf8(country_name) + ")");
  page += Cell(profile.opt_in ? "Yes" : "No");
  page += "</TR>\r\n";
  page += "</TABLE>\r\n";
  page += "</BODY></HTML>\r\n";
  return page;
}

}  // namespace zelvo
