// The tool's pieces that need no window: command line, placement, form
// fields, the report page, translations.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <filesystem>

#include "engine/text.h"
#include "tests/support/own_folder.h"
#include "tool/country_names.h"
#include "tool/form_fields.h"
#include "tool/info_report.h"
#include "tool/result_messages.h"
#include "tool/tool_command_line.h"
#include "tool/web_links.h"
#include "tool/window_placement.h"

namespace zelvo {
namespace {

TEST(ToolCommandLineTest, PrefixAndFirstComma) {
  const std::tuple<std::u16string, std::u16string, std::u16string> rows[] = {
      {u"LINK,url=support", u"LINK", u"url=support"},
      {u"zvm:LINK,url=support", u"LINK", u"url=support"},
      {u"ZvM:LINK,url=a,b", u"LINK", u"url=a,b"},
      {u"INFODISPLAY", u"INFODISPLAY", u""},
      {u"", u"", u""},
      {u" GETDATA , x", u" GETDATA ", u" x"},
      {u"zvm:", u"", u""},
      {u"zv:LINK", u"zv:LINK", u""},
  };
  for (const auto& [line, command, parameters] : rows) {
    const ToolCommandLine split = SplitToolCommandLine(line);
    EXPECT_EQ(split.command, command) << Utf16ToUtf8(line);
    EXPECT_EQ(split.parameters, parameters) << Utf16ToUtf8(line);
  }
}

TEST(WindowPlacementTest, EntryNamesFollowTheParentTitle) {
  EXPECT_EQ(PlacementEntryNames(std::nullopt).rect, "Rect");
  EXPECT_EQ(PlacementEntryNames(std::nullopt).maximized, "Maximized");
  EXPECT_EQ(PlacementEntryNames(QStringLiteral("Editor - Project")).rect, "Editor -Rect");
  EXPECT_EQ(PlacementEntryNames(QStringLiteral("Editor - Project")).maximized, "Editor -Maximized");
  EXPECT_EQ(PlacementEntryNames(QStringLiteral("Editor")).rect, "Editor-Rect");
  EXPECT_EQ(PlacementEntryNames(QStringLiteral("a-b-c")).rect, "a-Rect");
}

TEST(WindowPlacementTest, RectangleIsSixteenLittleEndianBytes) {
  const QRect rect(QPoint(-5, 10), QSize(300, 200));
  const QByteArray bytes = EncodePlacementRect(rect);
  EXPECT_EQ(bytes, QByteArray::fromHex("fbffffff0a00000027010000d2000000"));
  EXPECT_EQ(DecodePlacementRect(bytes), rect);
  EXPECT_EQ(DecodePlacementRect(bytes.left(15)), std::nullopt);
  EXPECT_EQ(DecodePlacementRect(QByteArray(16, '\0')), std::nullopt);
}

TEST(WindowPlacementTest, DefaultIsCentredOnScreenOrOnALargeVisibleParent) {
  const QRect screen(0, 0, 1600, 1200);
  EXPECT_EQ(DefaultPlacement(screen, std::nullopt), QRect(300, 150, 1000, 900));
  EXPECT_EQ(DefaultPlacement(QRect(0, 0, 800, 600), std::nullopt), QRect(0, 0, 800, 600));
  ParentWindowInfo parent{QStringLiteral("Editor"), QRect(100, 100, 800, 600), true, false};
  EXPECT_EQ(DefaultPlacement(screen, parent), QRect(0, -50, 1000, 900));
  for (ParentWindowInfo other : {ParentWindowInfo{{}, QRect(100, 100, 500, 600), true, false},
                                 ParentWindowInfo{{}, QRect(100, 100, 800, 400), true, false},
                                 ParentWindowInfo{{}, QRect(100, 100, 800, 600), false, false},
                                 ParentWindowInfo{{}, QRect(100, 100, 800, 600), true, true}}) {
    EXPECT_EQ(DefaultPlacement(screen, other), QRect(300, 150, 1000, 900));
  }
}

ParameterMap Parameters(std::u16string_view text) { return ParseParameters(text); }

std::u16string Names(const FormFields& fields) {
  std::u16string names;
  for (const auto& [name, value] : fields) names += name + u"=" + value + u";";
  return names;
}

TEST(FormFieldsTest, OrderAndOmissions) {
  UserProfile profile;
  profile.first_name = u"Ann";
  profile.last_name = u"Lee";
  profile.country_id = 83;
  profile.member_id = u"m7";
  EXPECT_EQ(
      Names(BuildFormFields(
          Parameters(u"lang=de,prodname=\"My App\",apprev=1.2,category_id=7,os=Linux,"
                     u"product_id=p,appver=9,email=e@x,optin=1,hw=h"),
          profile, 1, ToolVersion{5, 7})),
      u"product_id=p;category_id=7;Langue_ID=4;locale_code=de_DE;region_code=DEU;prodname=My App;"
      u"AppRev=1.2;firstname=Ann;lastname=Lee;country_id=83;email=e@x;os=Linux;hw=h;optin=1;"
      u"member_id=m7;silent=1;ZelvoRev=5.7;ZelvoTool=1;");
  // Nothing known: the fields that are always sent, and country 0.
  EXPECT_EQ(Names(BuildFormFields({}, UserProfile(), 0, std::nullopt)),
            u"prodname=;firstname=;country_id=0;ZelvoTool=1;");
  EXPECT_EQ(Names(BuildFormFields(Parameters(u"appver=9,firstname=Bo,country_id=5"), profile, 0,
                                  std::nullopt)),
            u"region_code=DEU;prodname=;AppRev=9;firstname=Bo;lastname=Lee;country_id=5;member_id="
            u"m7;ZelvoTool=1;");
}

TEST(FormFieldsTest, LanguageTables) {
  const std::tuple<const char16_t*, const char16_t*, const char16_t*> rows[] = {
      {u"ENU", u"7", u"en_US"}, {u"DEU", u"4", u"de_DE"}, {u"deu", u"7", u"de_DE"},
      {u"PTB", u"13", u"en"},   {u"POL", u"7", u"pl_PL"}, {u"xx", u"7", u"en"},
  };
  for (const auto& [code, number, locale] : rows) {
    EXPECT_EQ(LanguageNumber(code), number);
    EXPECT_EQ(LocaleCode(code), locale);
  }
}

TEST(FormFieldsTest, MultipartBodyIsExact) {
  EXPECT_EQ(MultipartBody({{u"a", u"1"}, {u"b", u""}}),
            u"--AaB03x\r\n"
            u"Content-Disposition: form-data; name=\"a\"\r\nContent-Type: text/plain; "
            u"charset=utf-16\r\n\r\n1\r\n"
            u"--AaB03x\r\n"
            u"Content-Disposition: form-data; name=\"b\"\r\nContent-Type: text/plain; "
            u"charset=utf-16\r\n\r\n\r\n"
            u"--AaB03x\r\n");
  EXPECT_STREQ(kMultipartHeader, "Content-type: multipart/form-data; boundary=AaB03x\r\n\r\n");
}

TEST(FormFieldsTest, QueryJoinsAndEncodes) {
  const FormFields fields = {{u"prodname", u"My App"}, {u"x", u"a&b=c#d%é"}};
  const QString query = QStringLiteral("prodname=My%20App&x=a%26b%3Dc%23d%25%C3%A9");
  EXPECT_EQ(QueryAddress(QStringLiteral("http://h/p"), fields),
            QStringLiteral("http://h/p?") + query);
  EXPECT_EQ(QueryAddress(QStringLiteral("http://h/p?q=1"), fields),
            QStringLiteral("http://h/p?q=1&") + query);
  EXPECT_EQ(QueryAddress(QStringLiteral("http://h/p?"), fields),
            QStringLiteral("http://h/p?") + query);
  EXPECT_EQ(QueryAddress(QStringLiteral("http://h/p?q=1&"), fields),
            QStringLiteral("http://h/p?q=1&") + query);
}

TEST(WebLinksTest, TargetsOfBothLinkSets) {
  ::setenv("ZELVO_WEB_HOST", "example.test:81", 1);
  const QString base = QStringLiteral("http://example.test:81");
  EXPECT_EQ(LinkAddress(u"Support", false), base + "/MenuSupport.asp");
  EXPECT_EQ(LinkAddress(u"SUPPORT", true), base + "/support");
  EXPECT_EQ(LinkAddress(u"webboard", false), base + "/webboard");
  EXPECT_EQ(LinkAddress(u"webboard", true), base + "/forums");
  EXPECT_EQ(LinkAddress(u"product", false), base + "/ProductPage.asp");
  EXPECT_EQ(LinkAddress(u"product", true), base + "/products");
  EXPECT_EQ(LinkAddress(u"https://x.test/a", false), "https://x.test/a");
  EXPECT_EQ(LinkAddress(u"HTTP://x.test/a", false),
            std::nullopt);  // "http" is looked for as written
  EXPECT_EQ(LinkAddress(u"", false), std::nullopt);
  EXPECT_EQ(LocalPage(u""), "qrc:/pages/start.html");
  EXPECT_EQ(LocalPage(u"START"), "qrc:/pages/start.html");
  EXPECT_EQ(LocalPage(u"nothing"), std::nullopt);
  EXPECT_EQ(LocalPage(u"../start"), std::nullopt);
  ::unsetenv("ZELVO_WEB_HOST");
}

std::string ExpectedReport(const char* title, const std::string& cells) {
  return std::string(
             "<HTML><HEAD>\r\n"
             "<STYLE><!-- body,table,tr,td,thead,th,p,div,span {font-size: 12px; font-family: "
             "arial} --></STYLE>\r\n") +
         title +
         "<HEAD>\r\n<BODY>\r\n<P><TABLE BORDER=\"0\">\r\n"
         "<CAPTION ALIGN=\"top\"><FONT SIZE=\"+2\">User</FONT></CAPTION>\r\n"
         "<COL BGCOLOR=\"#f0f0f0\"><COL BGCOLOR=\"#f0f0f0\"><COL BGCOLOR=\"#f0f0f0\"><COL "
         "BGCOLOR=\"#f0f0f0\"><COL BGCOLOR=\"#f0f0f0\">\r\n"
         "<THEAD "
         "BGCOLOR=\"#cccccc\"><TH>FirstName</TH><TH>LastName</TH><TH>Email</TH><TH>Country_ID "
         "(Name)</TH><TH>OptIn</TH></THEAD>\r\n"
         "<TR>\r\n" +
         cells + "</TR>\r\n</TABLE>\r\n</BODY></HTML>\r\n";
}

TEST(InfoReportTest, PageIsExactAndEscaped) {
  const char* info = "<TITLE>Orvane Systems Information</TITLE>";
  EXPECT_EQ(
      ReportPage(u"INFODISPLAY", UserProfile(), CountryName(0)),
      ExpectedReport(
          info,
          "  <TD></TD>\r\n  <TD></TD>\r\n  <TD></TD>\r\n  <TD>0 ()</TD>\r\n  <TD>No</TD>\r\n"));
  UserProfile profile;
  profile.first_name = u"<b>A&B</b>";
  profile.last_name = u"O'Neil \"Q\"";
  profile.email = u"é@x";
  profile.country_id = 223;
  profile.opt_in = true;
  const std::string cells =
      "  <TD>&lt;b&gt;A&amp;B&lt;/b&gt;</TD>\r\n  <TD>O&#39;Neil &quot;Q&quot;</TD>\r\n  "
      "<TD>\xC3\xA9@x</TD>\r\n"
      "  <TD>223 (United States)</TD>\r\n  <TD>Yes</TD>\r\n";
  EXPECT_EQ(ReportPage(u"INFODISPLAY", profile, CountryName(223)), ExpectedReport(info, cells));
  EXPECT_EQ(ReportPage(u"DEBUGDISPLAY", profile, CountryName(223)),
            ExpectedReport("<TITLE>Zelvo5 Debug Display</TITLE>", cells));
  profile.country_id = 5;
  EXPECT_NE(ReportPage(u"INFODISPLAY", profile, CountryName(5)).find("<TD>5 ()</TD>"),
            std::string::npos);
}

TEST(CountryNamesTest, NamesByIdWithGaps) {
  EXPECT_EQ(CountryName(1), "Afghanistan");
  EXPECT_EQ(CountryName(52), "Congo, Democractic Republic of the ");
  EXPECT_EQ(CountryName(244), QString::fromUtf8("R\xC3\xA9union"));
  EXPECT_EQ(CountryName(248), "San Marino");
  for (int id : {0, 5, 77, 78, 79, 174, 184, 239, 242, 249, -1})
    EXPECT_TRUE(CountryName(id).isEmpty()) << id;
}

TEST(TranslationTest, GermanReplacesMessagesAndCountryNames) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral("ZelvoTool-DEU.qm"), QStringLiteral(ZELVO_TOOL_DIR)));
  QCoreApplication::installTranslator(&german);
  EXPECT_EQ(CountryName(83), "Deutschland");
  EXPECT_EQ(ResultMessage(42), "Es konnte keine Internetverbindung hergestellt werden.");
  EXPECT_EQ(ResultMessage(0), "");
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(CountryName(83), "Germany");
  EXPECT_EQ(ResultMessage(32), "Item not found");
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return zelvo::testing::RunTestsInOwnFolder();
}
