// The real ZelvoTool program, run as the library runs it: store commands with
// no display, and window commands on a virtual X display against a web server
// of the test's own on 127.0.0.1.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/store_bytes.h"
#include "tests/support/temp_folder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using testing::ChildOptions;
using testing::ChildOutcome;
using testing::RunChild;

class ToolTest : public ::testing::Test {
 protected:
  ToolTest() {
    for (const char* folder :
         {"home", "config", "data", "xdg", "sysdata", "appdata", "tmp", "run"}) {
      fs::create_directories(Path(folder));
    }
    ::chmod(Path("run").c_str(), 0700);
  }

  std::string Path(const std::string& name) const { return root_.path() + "/" + name; }

  std::vector<std::string> Environment() const {
    std::vector<std::string> environment = {
        "HOME=" + Path("home"),
        "XDG_CONFIG_HOME=" + Path("config"),
        "XDG_DATA_HOME=" + Path("data"),
        "XDG_CONFIG_DIRS=" + Path("xdg"),
        // The system's desktop entries: a folder of the test's first.
        "XDG_DATA_DIRS=" + Path("sysdata") + ":/usr/local/share:/usr/share",
        "ZELVO_COMMON_APPDATA=" + Path("appdata"),
        "TMPDIR=" + Path("tmp"),
        "XDG_RUNTIME_DIR=" + Path("run"),
        "QTWEBENGINE_DISABLE_SANDBOX=1",
        "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox",
        "LC_ALL=C.UTF-8",
    };
    if (!display_.empty()) {
      environment.push_back("DISPLAY=" + display_);
      environment.push_back("QT_QPA_PLATFORM=xcb");
    } else {
      environment.push_back("QT_QPA_PLATFORM=offscreen");
    }
    if (web_port_ != 0)
      environment.push_back("ZELVO_WEB_HOST=127.0.0.1:" + std::to_string(web_port_));
    return environment;
  }

  ChildOutcome Tool(const std::string& line) {
    ChildOptions options;
    options.environment = Environment();
    return RunChild({ZELVO_TOOL_PATH, line}, options);
  }
  std::future<ChildOutcome> StartTool(const std::string& line) {
    return std::async(std::launch::async, [this, line] { return Tool(line); });
  }
  ChildOutcome Host(const std::string& command, const std::string& parameters) {
    ChildOptions options;
    options.environment = Environment();
    return RunChild({ZELVO_CLI_PATH, command, parameters}, options);
  }

  QVariant UserSetting(const char* name) const {
    return QSettings(QString::fromStdString(Path("config") + "/Orvane Systems/Zelvo.conf"),
                     QSettings::IniFormat)
        .value(QLatin1String(name));
  }

  // A virtual display for the window tests, with a window manager when asked
  // (only a window manager can maximise a window).
  void StartDisplay(bool with_window_manager = false) {
    xvfb_ = std::make_unique<testing::LiveChild>(std::vector<std::string>{
        "/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "1600x1200x24", "-nolisten", "tcp"});
    const std::optional<std::string> number = xvfb_->ReadLine();
    ASSERT_TRUE(number.has_value()) << "Xvfb did not start";
    display_ = ":" + *number;
    if (with_window_manager) {
      window_manager_ = std::make_unique<testing::LiveChild>(std::vector<std::string>{
          "/usr/bin/env", "DISPLAY=" + display_, "/usr/bin/openbox", "--sm-disable"});
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
  }

  // The web server; what it received goes to Path("requests").
  void StartWebServer() {
    web_ = std::make_unique<testing::LiveChild>(
        std::vector<std::string>{"/usr/bin/python3", ZELVO_RECORD_SERVER, Path("requests"), "120"});
    const std::optional<std::string> port = web_->ReadLine();
    ASSERT_TRUE(port.has_value()) << "the web server did not start";
    web_port_ = std::stoi(*port);
  }

  // What the server received, apart from the browser's own icon requests.
  std::vector<QJsonObject> Requests() const {
    std::vector<QJsonObject> requests;
    std::ifstream in(Path("requests"));
    for (std::string line; std::getline(in, line);) {
      QJsonObject request = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
      if (request["path"].toString() != "/favicon.ico") requests.push_back(request);
    }
    return requests;
  }

  // The top-level window whose title holds `text`, as the helper describes
  // it: "ID X Y W H maximized|normal TITLE". Waits up to 60 seconds.
  std::string FindWindow(const std::string& text, int seconds = 60) {
    ChildOptions options;
    options.environment = Environment();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
      const ChildOutcome found = RunChild({ZELVO_X11_HELPER, "find", text}, options);
      if (found.exit_code == 0) return found.output.substr(0, found.output.find('\n'));
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
  }
  // Asks the window to close until the tool has ended (a close request that
  // arrives while a page loads is ignored), and gives the tool's outcome.
  ChildOutcome CloseWindow(const std::string& description, std::future<ChildOutcome>& tool) {
    ChildOptions options;
    options.environment = Environment();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    do {
      RunChild({ZELVO_X11_HELPER, "close", description.substr(0, description.find(' '))}, options);
    } while (tool.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready &&
             std::chrono::steady_clock::now() < deadline);
    return tool.get();
  }
  void Screenshot(const std::string& description, const std::string& name) {
    if (!fs::exists("/usr/bin/import")) return;
    fs::create_directories(ZELVO_ARTEFACTS);
    ChildOptions options;
    options.environment = Environment();
    RunChild({"/usr/bin/import", "-window", description.substr(0, description.find(' ')),
              std::string(ZELVO_ARTEFACTS) + "/" + name},
             options);
  }

  std::vector<std::string> ReportFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(Path("tmp"))) {
      const std::string name = entry.path().filename();
      if (name.starts_with("Zel") && name.ends_with(".html")) files.push_back(entry.path());
    }
    return files;
  }

  testing::TempFolder root_;
  std::string display_;
  int web_port_ = 0;
  std::unique_ptr<testing::LiveChild> xvfb_;
  std::unique_ptr<testing::LiveChild> window_manager_;
  std::unique_ptr<testing::LiveChild> web_;
};

TEST_F(ToolTest, StoreCommandsExitWithTheEngineResult) {
  EXPECT_EQ(Tool("ADDDATA,datakey=\"k\",datastring=\"v\"").exit_code, 0);
  EXPECT_EQ(Tool("GETDATA,datakey=\"missing\"").exit_code, 32);
  EXPECT_EQ(UserSetting("ZelvoReturnCode").toInt(), 32);
  EXPECT_EQ(UserSetting("ZelvoResult").toString(), "");
  EXPECT_EQ(Tool("GETDATA,datakey=\"K\"").exit_code, 0);
  EXPECT_EQ(UserSetting("ZelvoResult").toString(), "v");
  EXPECT_EQ(UserSetting("ZelvoReturnCode").toInt(), 0);
  // A fresh library process sees what the tool changed.
  EXPECT_EQ(Host("GETDATA", "datakey=k").output, "v\n");
  EXPECT_EQ(Tool("UPDATEUSER,first=Ann").exit_code, 0);
  EXPECT_EQ(Host("GETVALUE", "valname=UFNM").output, "Ann\n");
}

TEST_F(ToolTest, ZvmPrefixInAnyCaseButCommandWordsOnlyExactly) {
  Tool("ADDDATA,datakey=k,datastring=v");
  const std::pair<const char*, int> rows[] = {
      {"zvm:GETDATA,datakey=k", 0},
      {"ZVM:GETDATA,datakey=k", 0},
      {"GETDATA", 47},
      {"", 37},
      {"link,url=support", 37},
      {"getdata,datakey=k", 37},
      {"REBUILD", 37},
      {"GETDATA ,datakey=k", 37},
  };
  for (const auto& [line, code] : rows) EXPECT_EQ(Tool(line).exit_code, code) << line;
}

TEST_F(ToolTest, UrlSchemeIsRegisteredWhenMissingAndLeftAloneOtherwise) {
  Tool("GETDATA,datakey=k");
  const std::string entry = Path("data") + "/applications/zvm-handler.desktop";
  const std::string text = testing::ReadFileBytes(entry);
  EXPECT_NE(text.find(std::string("Exec=\"") + ZELVO_TOOL_PATH + "\" %u\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("MimeType=x-scheme-handler/zvm;\n"), std::string::npos);
  EXPECT_EQ(testing::ReadFileBytes(Path("config") + "/mimeapps.list"),
            "[Default Applications]\nx-scheme-handler/zvm=zvm-handler.desktop\n");
  testing::WriteFileBytes(entry, "kept");
  testing::WriteFileBytes(Path("config") + "/mimeapps.list",
                          "[Default Applications]\ntext/html=x.desktop\n");
  Tool("GETDATA,datakey=k");
  EXPECT_EQ(testing::ReadFileBytes(entry), "kept");
  EXPECT_EQ(testing::ReadFileBytes(Path("config") + "/mimeapps.list"),
            "[Default Applications]\ntext/html=x.desktop\n");
}

// A handler the system has (the package's entry, or another program's in the
// desktop database) leaves the user's files alone, so nothing of the tool's
// is left behind when the package goes.
TEST_F(ToolTest, SystemHandlerKeepsTheUserFilesUntouched) {
  const std::string system = Path("sysdata") + "/applications/";
  fs::create_directories(system);
  for (const auto& [file, text] :
       {std::pair{"zvm-handler.desktop", "[Desktop Entry]\n"},
        std::pair{"mimeinfo.cache", "[MIME Cache]\nx-scheme-handler/zvm=other.desktop;\n"}}) {
    testing::WriteFileBytes(system + file, text);
    Tool("GETDATA,datakey=k");
    EXPECT_FALSE(fs::exists(Path("data") + "/applications/zvm-handler.desktop")) << file;
    EXPECT_FALSE(fs::exists(Path("config") + "/mimeapps.list")) << file;
    fs::remove(system + file);
  }
}

// With no display, the tool's messages go to standard error, in the
// language of the loaded translation: here the settings cannot be created
// (their folder is a file).
TEST_F(ToolTest, TranslationReplacesTheMessages) {
  fs::remove_all(Path("config"));
  testing::WriteFileBytes(Path("config"), "not a folder");
  const auto messages = [&](const std::string& line) {
    ChildOptions options;
    options.environment = Environment();
    return RunChild({"/bin/sh", "-c", "exec \"$0\" \"$1\" 2>&1", ZELVO_TOOL_PATH, line}, options);
  };
  const ChildOutcome english = messages("GETDATA,datakey=k");
  EXPECT_EQ(english.exit_code, 32);
  EXPECT_NE(english.output.find("Unable to create user registry"), std::string::npos)
      << english.output;
  const ChildOutcome german = messages("GETDATA,datakey=k,lang=de");
  EXPECT_EQ(german.exit_code, 32);
  EXPECT_NE(german.output.find("Die Benutzereinstellungen k\xC3\xB6nnen nicht angelegt werden"),
            std::string::npos)
      << german.output;
}

TEST_F(ToolTest, MissingTranslationIsNoError) {
  EXPECT_EQ(Tool("GETDATA,datakey=k,language_id=enu").exit_code, 32);
  EXPECT_EQ(Tool("GETDATA,datakey=k,lang=de").exit_code, 32);
}

TEST_F(ToolTest, InformationReportOpensMaximizedAndIsDeletedAtExit) {
  StartDisplay(/*with_window_manager=*/true);
  ASSERT_EQ(Tool("UPDATEUSER,firstname=\"<b>Ann</b>\",country_id=223,optin=1").exit_code, 0);
  auto tool = StartTool("INFODISPLAY");
  const std::string window = FindWindow("(Orvane Systems Information)");
  ASSERT_FALSE(window.empty());
  EXPECT_NE(window.find(" maximized Orvane Systems    (Orvane Systems Information)"),
            std::string::npos)
      << window;
  const std::vector<std::string> reports = ReportFiles();
  ASSERT_EQ(reports.size(), 1u);
  const std::string page = testing::ReadFileBytes(reports[0]);
  EXPECT_NE(page.find("  <TD>&lt;b&gt;Ann&lt;/b&gt;</TD>\r\n"), std::string::npos) << page;
  EXPECT_NE(page.find("  <TD>223 (United States)</TD>\r\n  <TD>Yes</TD>\r\n"), std::string::npos);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  Screenshot(window, "information-report.png");
  EXPECT_EQ(CloseWindow(window, tool).exit_code, 0);
  EXPECT_TRUE(ReportFiles().empty());
  EXPECT_EQ(UserSetting("ZelvoReturnCode").toInt(), 0);
}

std::string Part(const std::string& name, const std::string& value) {
  return "Content-Disposition: form-data; name=\"" + name +
         "\"\r\nContent-Type: text/plain; charset=utf-16\r\n\r\n" + value + "\r\n--AaB03x\r\n";
}

TEST_F(ToolTest, LinkPostsTheFormFieldsAndSilentModeCloses) {
  StartDisplay();
  StartWebServer();
  ASSERT_EQ(Tool("UPDATEUSER,lastname=Lee,country_id=83,member_id=m7").exit_code, 0);
  const auto start = std::chrono::steady_clock::now();
  const ChildOutcome outcome = Tool(
      "LINK,url=Support,lang=de,prodname=\"My App\",apprev=1.2,category_id=7,os=Linux,silent=1");
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  const std::vector<QJsonObject> requests = Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0]["method"].toString(), "POST");
  EXPECT_EQ(requests[0]["path"].toString(), "/MenuSupport.asp");
  EXPECT_EQ(requests[0]["headers"].toObject()["content-type"].toString(),
            "multipart/form-data; boundary=AaB03x");
  const std::string expected =
      "--AaB03x\r\n" + Part("category_id", "7") + Part("Langue_ID", "4") +
      Part("locale_code", "de_DE") + Part("region_code", "DEU") + Part("prodname", "My App") +
      Part("AppRev", "1.2") + Part("firstname", "") + Part("lastname", "Lee") +
      Part("country_id", "83") + Part("os", "Linux") + Part("member_id", "m7") +
      Part("silent", "1") + Part("ZelvoRev", "5.7") + Part("ZelvoTool", "1");
  EXPECT_EQ(QByteArray::fromHex(requests[0]["body"].toString().toLatin1()).toStdString(), expected);
}

TEST_F(ToolTest, GetModeAppendsTheFieldsToTheAddress) {
  StartDisplay();
  StartWebServer();
  testing::WriteFileBytes(Path("xdg") + "/Orvane Systems.conf", "[General]\nZelvoHttpGet=1\n");
  const std::string base = "http://127.0.0.1:" + std::to_string(web_port_);
  const std::pair<std::string, std::string> rows[] = {
      {"/page?x=1", "/page?x=1&"}, {"/page", "/page?"}, {"/page?", "/page?"}};
  for (const auto& [path, prefix] : rows) {
    EXPECT_EQ(Tool("LINK,url=\"" + base + path + "\",prodname=\"My App\",silent=1").exit_code, 0);
  }
  const std::vector<QJsonObject> requests = Requests();
  ASSERT_EQ(requests.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(requests[i]["method"].toString(), "GET");
    EXPECT_EQ(requests[i]["path"].toString().toStdString(),
              rows[i].second +
                  "prodname=My%20App&firstname=&country_id=0&silent=1&ZelvoRev=5.7&ZelvoTool=1");
    EXPECT_EQ(requests[i]["body"].toString(), "");
  }
}

TEST_F(ToolTest, AlternativeLinksAndPagesThatCloseThemselves) {
  StartDisplay();
  StartWebServer();
  EXPECT_EQ(Tool("LINK,url=webboard,vantolinks,silent=1").exit_code, 0);
  // A page that navigates to "~close~" and one that closes its window end the
  // tool without anyone closing it.
  const std::string base = "http://127.0.0.1:" + std::to_string(web_port_);
  EXPECT_EQ(Tool("LINK,url=\"" + base + "/script/location.href='~close~'\"").exit_code, 0);
  EXPECT_EQ(Tool("LINK,url=\"" + base + "/script/window.close()\"").exit_code, 0);
  const std::vector<QJsonObject> requests = Requests();
  ASSERT_GE(requests.size(), 1u);
  EXPECT_EQ(requests[0]["path"].toString(), "/forums");
}

TEST_F(ToolTest, WindowIsCentredOnALargeParentAndRemembersItsPlace) {
  StartDisplay();
  // Opens the tool's start page over a parent window of this size, titled
  // "Editor - Project", and gives the centre of the tool's window.
  const auto centre_over_parent = [&](int width, int height, const char* screenshot) {
    testing::LiveChild parent({"/usr/bin/env", "DISPLAY=" + display_, ZELVO_X11_HELPER, "window",
                               std::to_string(width), std::to_string(height), "Editor - Project"});
    const std::string id = parent.ReadLine().value_or("0");
    auto tool = StartTool("LINK,parentwnd=" + id);
    const std::string window = FindWindow("(Orvane Systems)");
    EXPECT_FALSE(window.empty());
    std::istringstream fields(window);
    std::string window_id;
    int x = 0, y = 0, w = 0, h = 0;
    fields >> window_id >> x >> y >> w >> h;
    if (screenshot != nullptr) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      Screenshot(window, screenshot);
    }
    EXPECT_EQ(CloseWindow(window, tool).exit_code, 0);
    return std::make_pair(x + w / 2, y + h / 2);
  };
  // The parent is at 100,100: the centre of one of 800 by 600 is 500,400.
  EXPECT_EQ(centre_over_parent(800, 600, "start-page.png"), std::make_pair(500, 400));
  const std::string profile_path = Path("config") + "/Orvane Systems/ZelvoTool.conf";
  {
    const QSettings profile(QString::fromStdString(profile_path), QSettings::IniFormat);
    EXPECT_EQ(profile.value("MainWnd/Editor -Rect").toByteArray().size(), 16);
    EXPECT_EQ(profile.value("MainWnd/Editor -Maximized").toInt(), 0);
  }
  // The same caller again: the window comes back where it was, not centred
  // on the screen as it would be over a parent this small.
  EXPECT_EQ(centre_over_parent(500, 600, nullptr), std::make_pair(500, 400));
  fs::remove(profile_path);
  EXPECT_EQ(centre_over_parent(500, 600, nullptr), std::make_pair(800, 600));
}

TEST_F(ToolTest, OfflineLinkGives42AndNoWindow) {
  if (::geteuid() != 0 || RunChild({"/usr/bin/unshare", "-n", "/bin/true"}).exit_code != 0) {
    GTEST_SKIP() << "cannot make a network namespace here";
  }
  StartDisplay();
  ChildOptions options;
  options.environment = Environment();
  EXPECT_EQ(
      RunChild({"/usr/bin/unshare", "-n", ZELVO_TOOL_PATH, "LINK,url=support,silent=1"}, options)
          .exit_code,
      42);
  EXPECT_EQ(UserSetting("ZelvoReturnCode").toInt(), 42);
}

// Without a display a window command ends cleanly (no abort) with 43, after
// the exit sequence; the store commands still run.
TEST_F(ToolTest, WindowCommandWithoutADisplayGives43) {
  display_ = ":4097";  // no X server there
  EXPECT_EQ(Tool("INFODISPLAY").exit_code, 43);
  EXPECT_EQ(UserSetting("ZelvoReturnCode").toInt(), 43);
  EXPECT_EQ(Tool("GETDATA,datakey=k").exit_code, 32);  // store commands need none
}

}  // namespace
}  // namespace zelvo
