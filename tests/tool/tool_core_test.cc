// The tool core, without a toolkit or a display: command line, placement,
// form fields and requests, navigation, the report page, and one run of the
// tool over stand-in services.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/result_code.h"
#include "engine/text.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/store_bytes.h"
#include "tool/core/country_names.h"
#include "tool/core/form_fields.h"
#include "tool/core/navigation.h"
#include "tool/core/report_page.h"
#include "tool/core/tool_command_line.h"
#include "tool/core/tool_run.h"
#include "tool/core/view_controller.h"
#include "tool/core/web_links.h"
#include "tool/core/window_placement.h"

namespace zelvo {
namespace {

TEST(ToolCommandLineTest, PrefixPercentEscapesAndFirstComma) {
  const std::tuple<std::u16string, std::u16string, std::u16string> rows[] = {
      {u"LINK,url=support", u"LINK", u"url=support"},
      {u"zvm:LINK,url=support", u"LINK", u"url=support"},
      {u"ZvM:LINK,url=a,b", u"LINK", u"url=a,b"},
      {u"INFODISPLAY", u"INFODISPLAY", u""},
      {u"", u"", u""},
      {u" GETDATA , x", u" GETDATA ", u" x"},
      {u"zvm:", u"", u""},
      {u"zv:LINK", u"zv:LINK", u""},
      // What browsers pass is percent-encoded; other lines are taken as they are.
      {u"zvm:LINK,url=%22support%22", u"LINK", u"url=\"support\""},
      {u"zvm:ADDDATA%2Cdatakey=Gr%C3%BC%C3%9Fe", u"ADDDATA", u"datakey=Grüße"},
      {u"zvm:GETDATA,datakey=100%,x=%4", u"GETDATA", u"datakey=100%,x=%4"},
      {u"zvm:GETDATA,datakey=%zz%4a", u"GETDATA", u"datakey=%zzJ"},
      {u"LINK,url=%22support%22", u"LINK", u"url=%22support%22"},
  };
  for (const auto& [line, command, parameters] : rows) {
    const ToolCommandLine split = SplitToolCommandLine(line);
    EXPECT_EQ(split.command, command) << Utf16ToUtf8(line);
    EXPECT_EQ(split.parameters, parameters) << Utf16ToUtf8(line);
  }
}

TEST(WindowPlacementTest, EntryNamesFollowTheParentTitle) {
  EXPECT_EQ(PlacementEntryNames(std::nullopt).rect, u"Rect");
  EXPECT_EQ(PlacementEntryNames(std::nullopt).maximized, u"Maximized");
  EXPECT_EQ(PlacementEntryNames(u"Editor - Project").rect, u"Editor -Rect");
  EXPECT_EQ(PlacementEntryNames(u"Editor - Project").maximized, u"Editor -Maximized");
  EXPECT_EQ(PlacementEntryNames(u"Editor").rect, u"Editor-Rect");
  EXPECT_EQ(PlacementEntryNames(u"a-b-c").rect, u"a-Rect");
}

TEST(WindowPlacementTest, RectangleIsSixteenLittleEndianBytes) {
  const Rect rect{-5, 10, 300, 200};
  const std::string bytes = EncodePlacementRect(rect);
  EXPECT_EQ(bytes, std::string("\xfb\xff\xff\xff\x0a\0\0\0\x27\x01\0\0\xd2\0\0\0", 16));
  EXPECT_EQ(DecodePlacementRect(bytes), rect);
  EXPECT_EQ(DecodePlacementRect(bytes.substr(0, 15)), std::nullopt);
  EXPECT_EQ(DecodePlacementRect(std::string(16, '\0')), std::nullopt);
}

TEST(WindowPlacementTest, DefaultIsCentredOnScreenOrOnALargeVisibleParent) {
  const Rect screen{0, 0, 1600, 1200};
  EXPECT_EQ(DefaultPlacement(screen, std::nullopt), (Rect{300, 150, 1000, 900}));
  EXPECT_EQ(DefaultPlacement(Rect{0, 0, 800, 600}, std::nullopt), (Rect{0, 0, 800, 600}));
  ParentWindowInfo parent{u"Editor", Rect{100, 100, 800, 600}, true, false};
  EXPECT_EQ(DefaultPlacement(screen, parent), (Rect{0, -50, 1000, 900}));
  for (ParentWindowInfo other : {ParentWindowInfo{{}, Rect{100, 100, 500, 600}, true, false},
                                 ParentWindowInfo{{}, Rect{100, 100, 800, 400}, true, false},
                                 ParentWindowInfo{{}, Rect{100, 100, 800, 600}, false, false},
                                 ParentWindowInfo{{}, Rect{100, 100, 800, 600}, true, true}}) {
    EXPECT_EQ(DefaultPlacement(screen, other), (Rect{300, 150, 1000, 900}));
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
  const std::string query = "prodname=My%20App&x=a%26b%3Dc%23d%25%C3%A9";
  EXPECT_EQ(QueryAddress(std::string("http://h/p"), fields), std::string("http://h/p?") + query);
  EXPECT_EQ(QueryAddress(std::string("http://h/p?q=1"), fields),
            std::string("http://h/p?q=1&") + query);
  EXPECT_EQ(QueryAddress(std::string("http://h/p?"), fields), std::string("http://h/p?") + query);
  EXPECT_EQ(QueryAddress(std::string("http://h/p?q=1&"), fields),
            std::string("http://h/p?q=1&") + query);
}

TEST(WebLinksTest, TargetsOfBothLinkSets) {
  testing::SetVariable("ZELVO_WEB_HOST", "example.test:81");
  const std::string base = "http://example.test:81";
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
  EXPECT_EQ(LocalPageName(u""), "start");
  EXPECT_EQ(LocalPageName(u"START"), "start");
  EXPECT_EQ(LocalPageName(u"../start"), std::nullopt);
  EXPECT_EQ(LocalPageName(u"a b"), std::nullopt);
  const std::pair<MenuTarget, const char*> menu[] = {{MenuTarget::kProductInfo, "/products.aspx"},
                                                     {MenuTarget::kSupport, "/support.aspx"},
                                                     {MenuTarget::kWebboard, "/support.aspx"},
                                                     {MenuTarget::kHomePage, "/default.aspx"}};
  for (const auto& [target, path] : menu) EXPECT_EQ(MenuTargetAddress(target, false), base + path);
  EXPECT_EQ(MenuTargetAddress(MenuTarget::kWebboard, true), base + "/forums");
  testing::UnsetVariable("ZELVO_WEB_HOST");
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

std::string ReportPageUtf8(std::u16string_view command, const UserProfile& profile,
                           std::u16string_view country) {
  return Utf16ToUtf8(ReportPage(command, profile, country));
}

TEST(InfoReportTest, PageIsExactAndEscaped) {
  const char* info = "<TITLE>Orvane Systems Information</TITLE>";
  EXPECT_EQ(
      ReportPageUtf8(u"INFODISPLAY", UserProfile(), u""),
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
  EXPECT_EQ(ReportPageUtf8(u"INFODISPLAY", profile, u"United States"), ExpectedReport(info, cells));
  EXPECT_EQ(ReportPageUtf8(u"DEBUGDISPLAY", profile, u"United States"),
            ExpectedReport("<TITLE>Zelvo5 Debug Display</TITLE>", cells));
  profile.country_id = 5;
  EXPECT_NE(ReportPageUtf8(u"INFODISPLAY", profile, u"").find("<TD>5 ()</TD>"), std::string::npos);
}

TEST(CountryNamesTest, NamesByIdWithGaps) {
  EXPECT_STREQ(CountryEnglishName(1), "Afghanistan");
  EXPECT_STREQ(CountryEnglishName(52), "Congo, Democractic Republic of the ");
  EXPECT_STREQ(CountryEnglishName(244), "R\xC3\xA9union");
  EXPECT_STREQ(CountryEnglishName(248), "San Marino");
  for (int id : {0, 5, 77, 78, 79, 174, 184, 239, 242, 249, -1})
    EXPECT_STREQ(CountryEnglishName(id), "") << id;
}

TEST(NavigationTest, DecisionsByAddress) {
  using Step = NavigationDecision::Step;
  const struct {
    const char16_t* address;
    bool main_frame;
    NavigationDecision decision;
  } rows[] = {
      {u"http://h/a~CLOSE~b", true, {Step::kClose, false}},
      {u"http://h/~print~", false, {Step::kPrint, false}},
      {u"ZVM:LINK,url=support", true, {Step::kHandToSystem, std::nullopt}},
      {u"http://h/zvm:x", true, {Step::kGoAhead, true}},
      {u"http://h/setup.EXE", true, {Step::kGoAhead, false}},
      {u"javascript:PopupWindow('x')", true, {Step::kGoAhead, false}},
      {u"http://h/page", true, {Step::kGoAhead, true}},
      {u"http://h/frame", false, {Step::kGoAhead, std::nullopt}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DecideNavigation(row.address, row.main_frame), row.decision)
        << Utf16ToUtf8(row.address);
  }
}

TEST(FormRequestTest, PostInTheHostsCharacterSetOrAQuery) {
  const FormFields fields = {{u"a", u"x y"}};
  Platform* platform = Platform::Default();
  const WebRequest post = FormRequest("http://h/p", fields, false, platform);
  EXPECT_EQ(post.address, "http://h/p");
  EXPECT_EQ(post.extra_header, kMultipartHeader);
  EXPECT_EQ(post.body, platform->WideToAnsi(MultipartBody(fields), SIZE_MAX));
  EXPECT_EQ(FormRequest("http://h/p", fields, true, platform),
            (WebRequest{"http://h/p?a=x%20y", "", ""}));
}

// Stand-in services: what the run asked for, and the answers it gets.
class RecordingServices : public ToolServices {
 public:
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override {
    messages.push_back(std::u16string(caption) + u": " + std::u16string(text));
  }
  std::u16string Translate(const ToolText& text) override {
    return Utf8ToUtf16(std::string(text.context) + "/" + text.english);
  }
  void LoadTranslation(std::u16string_view language_id) override { loaded_language = language_id; }
  bool ReadHttpGetMode() override { return get_mode; }
  bool ReadWindowWasMaximized() override { return was_maximized; }
  ResultWriteFailure WriteRunResult(std::u16string_view text, int32_t code) override {
    written = {std::u16string(text), code};
    return write_failure;
  }
  std::optional<ToolVersion> ReadToolVersion() override { return ToolVersion{5, 7}; }
  bool IsOnline() override { return online; }
  void RegisterUrlScheme() override { ++scheme_registrations; }
  void AttachParentWindow(int32_t handle) override { parent = handle; }

  bool get_mode = false;
  bool was_maximized = false;
  bool online = true;
  ResultWriteFailure write_failure = ResultWriteFailure::kNone;
  std::vector<std::u16string> messages;
  std::u16string loaded_language;
  std::pair<std::u16string, int32_t> written = {u"unset", -1};
  int scheme_registrations = 0;
  int32_t parent = 0;
};

class ToolRunTest : public testing::EngineTest {
 protected:
  ToolRun& NewRun() {
    run_ = std::make_unique<ToolRun>(&platform_, &services_);
    return *run_;
  }
  RecordingServices services_;
  std::unique_ptr<ToolRun> run_;
};

TEST_F(ToolRunTest, StoreCommandsRunWithoutAWindowAndLeaveTheirResult) {
  ToolRun& add = NewRun();
  EXPECT_FALSE(add.Start(u"zvm:ADDDATA,datakey=k,datastring=v,parentwnd=77,lang=de"));
  EXPECT_EQ(services_.scheme_registrations, 1);
  EXPECT_EQ(services_.parent, 77);
  EXPECT_EQ(services_.loaded_language, u"DEU");
  EXPECT_EQ(add.Finish(), 0);
  EXPECT_EQ(services_.written, (std::pair<std::u16string, int32_t>{u"", 0}));

  const std::pair<const char16_t*, std::pair<std::u16string, int32_t>> rows[] = {
      {u"GETDATA,datakey=k", {u"v", 0}},
      {u"GETDATA,datakey=none", {u"", result::kItemNotFound}},
      {u"getdata,datakey=k", {u"", result::kUnknownCommand}},  // words as received
      {u"REBUILD", {u"", result::kUnknownCommand}},            // not one of the tool's
      {u"", {u"", result::kUnknownCommand}},
  };
  for (const auto& [line, outcome] : rows) {
    ToolRun& run = NewRun();
    EXPECT_FALSE(run.Start(line));
    EXPECT_EQ(run.Finish(), outcome.second) << Utf16ToUtf8(line);
    EXPECT_EQ(services_.written, outcome) << Utf16ToUtf8(line);
  }
  EXPECT_TRUE(services_.messages.empty());
}

TEST_F(ToolRunTest, WindowCommandsAndTheirStart) {
  ToolRun& info = NewRun();
  EXPECT_TRUE(ToolRun::OpensWindow(u"zvm:INFODISPLAY"));
  EXPECT_TRUE(info.Start(u"INFODISPLAY,prodname=P"));
  EXPECT_TRUE(info.maximized_start());

  ToolRun& link = NewRun();
  EXPECT_TRUE(link.Start(u"LINK,url=support,vantolinks=1"));
  EXPECT_FALSE(link.maximized_start());
  EXPECT_TRUE(link.alternative_links());
  services_.was_maximized = true;
  EXPECT_TRUE(NewRun().Start(u"LINK,url=support"));
  EXPECT_TRUE(run_->maximized_start());

  // Offline: 42, with a message unless silent, and no window.
  services_.online = false;
  ToolRun& offline = NewRun();
  EXPECT_FALSE(offline.Start(u"LINK,url=support"));
  EXPECT_EQ(offline.Finish(), result::kOffline);
  ASSERT_EQ(services_.messages.size(), 1u);
  EXPECT_EQ(services_.messages[0],
            u"ZelvoTool: ResultText/" + Utf8ToUtf16(ResultText(result::kOffline)));
  EXPECT_FALSE(NewRun().Start(u"LINK,url=support,silent=1"));
  EXPECT_EQ(services_.messages.size(), 1u);
}

TEST_F(ToolRunTest, DestinationsOfLinksAndMenus) {
  testing::SetVariable("ZELVO_WEB_HOST", "h.test");
  using Kind = Destination::Kind;
  ToolRun& run = NewRun();
  ASSERT_TRUE(run.Start(u"LINK,url=support,prodname=P"));
  const Destination support = run.LinkDestination();
  EXPECT_EQ(support.kind, Kind::kWeb);
  EXPECT_EQ(support.request.address, "http://h.test/MenuSupport.asp");
  EXPECT_EQ(support.request.extra_header, kMultipartHeader);
  EXPECT_NE(support.request.body.find("name=\"prodname\""), std::string::npos);
  EXPECT_EQ(run.MenuDestination(MenuTarget::kHomePage).request.address,
            "http://h.test/default.aspx");

  ToolRun& local = NewRun();
  ASSERT_TRUE(local.Start(u"LINK,url=Start"));
  EXPECT_EQ(local.LinkDestination().kind, Kind::kLocalPage);
  EXPECT_EQ(local.LinkDestination().local_page, "start");

  ToolRun& alternative = NewRun();
  ASSERT_TRUE(alternative.Start(u"LINK,url=x/y,vantolinks=1"));
  EXPECT_EQ(alternative.LinkDestination().kind, Kind::kClose);
  EXPECT_EQ(alternative.MenuDestination(MenuTarget::kWebboard).request,
            (WebRequest{"http://h.test/forums", "", ""}));

  services_.get_mode = true;
  ToolRun& get = NewRun();
  ASSERT_TRUE(get.Start(u"LINK,url=product"));
  const WebRequest query = get.LinkDestination().request;
  EXPECT_TRUE(query.address.starts_with("http://h.test/ProductPage.asp?")) << query.address;
  EXPECT_TRUE(query.body.empty());
  testing::UnsetVariable("ZELVO_WEB_HOST");
}

TEST_F(ToolRunTest, SilentRunsCloseAfterTheirPageLoads) {
  const std::tuple<const char16_t*, bool, ToolRun::AfterLoad> rows[] = {
      {u"INFODISPLAY,silent=5", true, ToolRun::AfterLoad::kCloseLater},
      {u"INFODISPLAY,silent=0", false, ToolRun::AfterLoad::kStay},
      {u"INFODISPLAY", false, ToolRun::AfterLoad::kStay},
  };
  for (const auto& [line, silent, after] : rows) {
    ToolRun& run = NewRun();
    ASSERT_TRUE(run.Start(line));
    EXPECT_EQ(run.PageLoaded(), after) << Utf16ToUtf8(line);
    EXPECT_EQ(run.silent(), silent ? 1 : 0);
  }
  // A failed run stays open for the user to see.
  ToolRun& failed = NewRun();
  ASSERT_TRUE(failed.Start(u"INFODISPLAY,silent=1"));
  failed.set_result(result::kUnknownError);
  EXPECT_EQ(failed.PageLoaded(), ToolRun::AfterLoad::kStay);
}

TEST_F(ToolRunTest, ExitSequenceReportsFailuresAndRemovesTemporaryFiles) {
  ToolRun& run = NewRun();
  ASSERT_TRUE(run.Start(u"DEBUGDISPLAY,prodname=App"));
  const std::string report = base_.Path("report.html");
  testing::WriteFileBytes(report, Utf16ToUtf8(run.ReportPageText()));
  EXPECT_NE(testing::ReadFileBytes(report).find("Zelvo5 Debug Display"), std::string::npos);
  run.AddTemporaryFile(report);
  services_.write_failure = ResultWriteFailure::kCannotWrite;
  EXPECT_EQ(run.Finish(), 0);
  EXPECT_FALSE(std::filesystem::exists(report));
  EXPECT_EQ(services_.messages,
            (std::vector<std::u16string>{u"App: ZelvoToolApp/Unable to write to user registry"}));
}

// A stand-in HTML control: what the view asked of it.
class RecordingControl : public HtmlControl {
 public:
  void Navigate(const WebRequest& request) override {
    steps.push_back("navigate " + request.address);
  }
  bool NavigateToOwnPage(const std::string& name) override {
    steps.push_back("own page " + name);
    return name == "start";
  }
  void NavigateToFile(const std::string& path) override { steps.push_back("file " + path); }
  std::string WriteReportFile(std::u16string_view page) override {
    report = Utf16ToUtf8(page);
    return report_path;
  }
  void Print() override { steps.push_back("print"); }
  void HandToSystem(std::u16string_view address) override {
    steps.push_back("system " + Utf16ToUtf8(address));
  }
  void PostClose() override { steps.push_back("close"); }
  void StartCloseTimer(int milliseconds) override {
    steps.push_back("timer " + std::to_string(milliseconds));
  }
  void DebugOutput(std::string_view line) override {
    steps.push_back("debug " + std::string(line));
  }

  std::vector<std::string> steps;
  std::string report;
  std::string report_path = "/tmp/Zel1.html";
};

using Steps = std::vector<std::string>;

TEST_F(ToolRunTest, ViewShowsTheLinkAndActsOnTheControlsEvents) {
  testing::SetVariable("ZELVO_WEB_HOST", "h.test");
  ToolRun& run = NewRun();
  ASSERT_TRUE(run.Start(u"LINK,url=support,silent=1"));
  RecordingControl control;
  ViewController view(&run, &control);
  view.InitialUpdate();
  EXPECT_EQ(control.steps, Steps{"navigate http://h.test/MenuSupport.asp"});

  // A navigation sets the flag that holds close requests off until it ends.
  EXPECT_FALSE(view.BeforeNavigate(u"http://h.test/MenuSupport.asp", true));
  EXPECT_TRUE(run.navigating());
  view.NavigateComplete(false);  // not loaded yet: no page-loaded step
  EXPECT_FALSE(run.navigating());
  EXPECT_FALSE(view.BeforeNavigate(u"http://h.test/next", true));
  view.NavigateError();
  EXPECT_FALSE(run.navigating());

  // Loaded, silent and successful: the window closes 3 seconds later, on
  // the timer.
  control.steps.clear();
  view.DownloadComplete(true);
  view.CloseTimerFired();
  EXPECT_EQ(control.steps, (Steps{"timer 3000", "close"}));

  // Links of the page that the view acts on itself, none navigating.
  control.steps.clear();
  for (const char16_t* address : {u"http://h/~Close~", u"http://h/~print~", u"zvm:INFODISPLAY"}) {
    EXPECT_TRUE(view.BeforeNavigate(address, true)) << Utf16ToUtf8(address);
    EXPECT_FALSE(run.navigating());
  }
  view.ControlWindowDestroyed();  // a script closed the page
  EXPECT_EQ(control.steps, (Steps{"close", "print", "system zvm:INFODISPLAY", "close"}));

  // Back and Forward follow what the control reports.
  EXPECT_FALSE(view.can_go_back());
  view.HistoryStateChanged(ViewController::History::kBack, true);
  EXPECT_TRUE(view.can_go_back());
  EXPECT_FALSE(view.can_go_forward());
  view.HistoryStateChanged(ViewController::History::kForward, true);
  view.HistoryStateChanged(ViewController::History::kBack, false);
  EXPECT_FALSE(view.can_go_back());
  EXPECT_TRUE(view.can_go_forward());
  EXPECT_EQ(run.Finish(), 0);
  testing::UnsetVariable("ZELVO_WEB_HOST");
}

TEST_F(ToolRunTest, ViewOpensOwnPagesMenuTargetsAndQueries) {
  testing::SetVariable("ZELVO_WEB_HOST", "h.test");
  const std::pair<const char16_t*, Steps> rows[] = {
      {u"LINK", {"own page start"}},
      {u"LINK,url=Missing", {"own page missing", "close"}},
      {u"LINK,url=no/page", {"close"}},
  };
  for (const auto& [line, steps] : rows) {
    ToolRun& run = NewRun();
    ASSERT_TRUE(run.Start(line));
    RecordingControl control;
    ViewController(&run, &control).InitialUpdate();
    EXPECT_EQ(control.steps, steps) << Utf16ToUtf8(line);
  }

  // In get mode the address with the fields also goes to the debug channel.
  services_.get_mode = true;
  ToolRun& run = NewRun();
  ASSERT_TRUE(run.Start(u"LINK,url=webboard,vantolinks"));
  RecordingControl control;
  ViewController view(&run, &control);
  view.OpenMenuTarget(MenuTarget::kWebboard);  // plainly in this link set
  view.InitialUpdate();
  const std::string query = run.LinkDestination().request.address;
  EXPECT_TRUE(query.starts_with("http://h.test/forums?prodname=&")) << query;
  EXPECT_EQ(control.steps,
            (Steps{"navigate http://h.test/forums", "debug " + query, "navigate " + query}));
  services_.get_mode = false;
  ToolRun& standard = NewRun();
  ASSERT_TRUE(standard.Start(u"LINK,url=webboard"));
  control.steps.clear();
  ViewController(&standard, &control).OpenMenuTarget(MenuTarget::kWebboard);
  EXPECT_EQ(control.steps, Steps{"navigate http://h.test/support.aspx"});
  testing::UnsetVariable("ZELVO_WEB_HOST");
}

TEST_F(ToolRunTest, ViewShowsTheReportAndRemovesItsFileAtExit) {
  ToolRun& run = NewRun();
  ASSERT_TRUE(run.Start(u"INFODISPLAY"));
  RecordingControl control;
  control.report_path = base_.Path("Zel1.html");
  testing::WriteFileBytes(control.report_path, "page");
  ViewController(&run, &control).InitialUpdate();
  EXPECT_EQ(control.steps, Steps{"file " + control.report_path});
  EXPECT_NE(control.report.find("<TITLE>Orvane Systems Information</TITLE>"), std::string::npos);
  EXPECT_EQ(run.Finish(), 0);
  EXPECT_FALSE(std::filesystem::exists(control.report_path));

  // A report that cannot be written leaves the window empty, with result 0.
  ToolRun& unwritable = NewRun();
  ASSERT_TRUE(unwritable.Start(u"DEBUGDISPLAY"));
  control.steps.clear();
  control.report_path.clear();
  ViewController(&unwritable, &control).InitialUpdate();
  EXPECT_TRUE(control.steps.empty());
  EXPECT_EQ(unwritable.Finish(), 0);
}

}  // namespace
}  // namespace zelvo
