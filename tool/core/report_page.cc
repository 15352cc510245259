#include "tool/core/report_page.h"

#include "engine/text.h"

namespace zelvo {
namespace {

// Markup or script in a value shows as text.
std::u16string Escaped(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    switch (c) {
      case '&':
        out += u"&amp;";
        break;
      case '<':
        out += u"&lt;";
        break;
      case '>':
        out += u"&gt;";
        break;
      case '"':
        out += u"&quot;";
        break;
      case '\'':
        out += u"&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::u16string Cell(std::u16string_view value) { return u"  <TD>" + Escaped(value) + u"</TD>\r\n"; }

}  // namespace

std::u16string ReportPage(std::u16string_view command, const UserProfile& profile,
                          std::u16string_view country_name) {
  const bool debug = command == u"DEBUGDISPLAY";
  std::u16string page = u"<HTML><HEAD>\r\n";
  page +=
      u"<STYLE><!-- body,table,tr,td,thead,th,p,div,span {font-size: 12px; font-family: arial} "
      u"--></STYLE>\r\n";
  page += debug ? u"<TITLE>Zelvo5 Debug Display</TITLE><HEAD>\r\n"
                : u"<TITLE>Orvane Systems Information</TITLE><HEAD>\r\n";
  page += u"<BODY>\r\n";
  page += u"<P><TABLE BORDER=\"0\">\r\n";
  page += u"<CAPTION ALIGN=\"top\"><FONT SIZE=\"+2\">User</FONT></CAPTION>\r\n";
  for (int i = 0; i < 5; ++i) page += u"<COL BGCOLOR=\"#f0f0f0\">";
  page += u"\r\n";
  page +=
      u"<THEAD BGCOLOR=\"#cccccc\"><TH>FirstName</TH><TH>LastName</TH><TH>Email</TH>"
      u"<TH>Country_ID (Name)</TH><TH>OptIn</TH></THEAD>\r\n";
  page += u"<TR>\r\n";
  page += Cell(profile.first_name);
  page += Cell(profile.last_name);
  page += Cell(profile.email);
  page += Cell(DecimalText(profile.country_id) + u" (" + std::u16string(country_name) + u")");
  page += Cell(profile.opt_in ? u"Yes" : u"No");
  page += u"</TR>\r\n";
  page += u"</TABLE>\r\n";
  page += u"</BODY></HTML>\r\n";
  return page;
}

}  // namespace zelvo
