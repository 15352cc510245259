// The real ZelvoTool.exe under Windows (Wine on a virtual display), started
// as the library starts it: exit codes and registry values, the zvm: forms
// and the URL protocol, the satellite library, the About box, the window's
// placement, web links against a recording server on 127.0.0.1, and the
// information report.
//
// Wine has no HTML engine here: every page ends in a navigation error and
// none is ever loaded or runs a script. What needs a loaded page (the
// page-loaded step, the silent timer, a script closing the window, Back and
// Forward after a second page) is proven by the tool core's tests with a
// stand-in control.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sstream>
#include <thread>

#include "engine/platform/win32/win32_platform.h"
#include "tests/support/child_process.h"
#include "tests/support/http_recorder.h"
#include "tests/support/temp_folder.h"
#include "tool/core/window_placement.h"
#include "tool/win32/resource.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ChildOutcome;

constexpr wchar_t kCompanyKey[] = L"Software\\Orvane Systems";
constexpr wchar_t kResultKey[] = L"Software\\Orvane Systems\\Zelvo";
constexpr wchar_t kPlacementKey[] = L"Software\\Orvane Systems\\ZelvoTool\\MainWnd";
constexpr wchar_t kUserClassKey[] = L"Software\\Classes\\zvm";

struct RegistryValue {
  DWORD type = REG_NONE;
  std::string bytes;
};

std::optional<RegistryValue> ReadValue(HKEY root, const wchar_t* path, const wchar_t* name,
                                       REGSAM view = 0) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return std::nullopt;
  RegistryValue value;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
  if (status == ERROR_SUCCESS) {
    value.bytes.resize(size);
    status = ::RegQueryValueExW(key, name, nullptr, &value.type,
                                reinterpret_cast<BYTE*>(value.bytes.data()), &size);
  }
  ::RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

// A REG_SZ value without its terminating null.
std::wstring TextOf(const std::optional<RegistryValue>& value) {
  if (!value || value->type != REG_SZ || value->bytes.size() < sizeof(wchar_t)) return L"<none>";
  return std::wstring(reinterpret_cast<const wchar_t*>(value->bytes.data()),
                      value->bytes.size() / sizeof(wchar_t) - 1);
}

DWORD DwordOf(const std::optional<RegistryValue>& value) {
  if (!value || value->type != REG_DWORD || value->bytes.size() != 4) return 0xDEADBEEF;
  return *reinterpret_cast<const DWORD*>(value->bytes.data());
}

void WriteValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const void* data,
                DWORD size, REGSAM view = 0) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(key);
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  ::GetWindowTextW(window, text, 512);
  return text;
}

// What a control of another process answers to WM_GETTEXT (for a status
// bar, the text of its first pane).
std::wstring ControlText(HWND control) {
  wchar_t text[512] = {};
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 10000,
                        &ignored);
  return text;
}

BOOL CALLBACK AddChildText(HWND child, LPARAM texts) {
  reinterpret_cast<std::vector<std::wstring>*>(texts)->push_back(WindowText(child));
  return TRUE;
}

// The texts of a window's child windows, in order.
std::vector<std::wstring> ChildTexts(HWND window) {
  std::vector<std::wstring> texts;
  ::EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// Waits for a top-level window of the class (and title, when given) to
// show: it is made, with its children, before it shows.
HWND WaitForWindow(const wchar_t* window_class, const wchar_t* title = nullptr,
                   std::chrono::seconds timeout = 60s) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    HWND window = ::FindWindowW(window_class, title);
    if (window != nullptr && ::IsWindowVisible(window)) return window;
    std::this_thread::sleep_for(50ms);
  }
  return nullptr;
}

// A request as the server received it: its first line, its header lines
// (each ending in CR LF) and its body.
struct HttpRequest {
  std::string line;
  std::string headers;
  std::string body;
};

HttpRequest Split(const std::string& raw) {
  const size_t line_end = raw.find("\r\n");
  const size_t head_end = raw.find("\r\n\r\n");
  if (line_end == std::string::npos || head_end == std::string::npos) return {raw, {}, {}};
  return {raw.substr(0, line_end), raw.substr(line_end + 2, head_end - line_end),
          raw.substr(head_end + 4)};
}

// Text in the ANSI code page, as the tool sends and writes it.
std::string Ansi(const std::wstring& text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<size_t>(
      ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

// One field of a multipart body, after the body's first boundary line.
std::string Part(const std::string& name, const std::string& value) {
  return "Content-Disposition: form-data; name=\"" + name +
         "\"\r\nContent-Type: text/plain; charset=utf-16\r\n\r\n" + value + "\r\n--AaB03x\r\n";
}

// A tool started in the background. However a test ends, the tool's window
// is closed and the tool waited for.
class BackgroundTool {
 public:
  explicit BackgroundTool(std::function<ChildOutcome()> run)
      : outcome_(std::async(std::launch::async, std::move(run))) {}
  ~BackgroundTool() {
    if (outcome_.valid()) Close();
  }
  BackgroundTool(const BackgroundTool&) = delete;
  BackgroundTool& operator=(const BackgroundTool&) = delete;

  // Whether the tool ends within the time.
  bool EndsWithin(std::chrono::milliseconds time) {
    return outcome_.wait_for(time) == std::future_status::ready;
  }
  // Asks its window to close until the tool has ended, and gives its
  // outcome.
  ChildOutcome Close() {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    do {
      if (HWND frame = ::FindWindowW(L"ZelvoToolFrame", nullptr)) {
        ::PostMessageW(frame, WM_CLOSE, 0, 0);
      }
    } while (!EndsWithin(200ms) && std::chrono::steady_clock::now() < deadline);
    return outcome_.get();
  }

 private:
  std::future<ChildOutcome> outcome_;
};

// A calling application's window, with its own thread to answer messages.
class CallerWindow {
 public:
  CallerWindow(const wchar_t* title, RECT frame) {
    std::promise<HWND> created;
    thread_ = std::thread([&] {
      thread_id_ = ::GetCurrentThreadId();
      WNDCLASSW window_class = {};
      window_class.lpfnWndProc = ::DefWindowProcW;
      window_class.hInstance = ::GetModuleHandleW(nullptr);
      window_class.lpszClassName = L"ZelvoTestCaller";
      ::RegisterClassW(&window_class);
      HWND window = ::CreateWindowExW(0, window_class.lpszClassName, title,
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, frame.left, frame.top,
                                      frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                      nullptr, window_class.hInstance, nullptr);
      created.set_value(window);
      MSG message;
      while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
      ::DestroyWindow(window);
    });
    window_ = created.get_future().get();
  }
  ~CallerWindow() {
    ::PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }

  HWND window() const { return window_; }
  std::string Handle() const {
    return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(window_)));
  }

 private:
  std::thread thread_;
  DWORD thread_id_ = 0;
  HWND window_ = nullptr;
};

class ToolWindowsTest : public ::testing::Test {
 protected:
  ToolWindowsTest() {
    fs::create_directories(Path("appdata"));
    fs::create_directories(Path("tmp"));
    // Each test starts without anything the tool keeps in the registry.
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kCompanyKey);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kUserClassKey);
    SetHttpGetSwitch(false);
  }
  ~ToolWindowsTest() override { SetHttpGetSwitch(false); }

  std::string Path(const std::string& name) const { return root_.path() + "\\" + name; }

  void SetHttpGetSwitch(bool on) {
    if (!on) {
      HKEY key = nullptr;
      if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCompanyKey, 0, KEY_WRITE | KEY_WOW64_32KEY, &key) ==
          ERROR_SUCCESS) {
        ::RegDeleteValueW(key, L"ZelvoHttpGet");
        ::RegCloseKey(key);
      }
      return;
    }
    const DWORD one = 1;
    WriteValue(HKEY_LOCAL_MACHINE, kCompanyKey, L"ZelvoHttpGet", REG_DWORD, &one, sizeof one,
               KEY_WOW64_32KEY);
  }

  // Runs the tool with `line` as the library does: the line as it is after
  // the program's quoted path.
  ChildOutcome Tool(const std::string& line) {
    testing::ChildOptions options;
    options.arguments_as_they_are = true;
    options.environment = {"ZELVO_COMMON_APPDATA=" + Path("appdata"), "TMP=" + Path("tmp"),
                           "TEMP=" + Path("tmp"),
                           "ZELVO_WEB_HOST=127.0.0.1:" + std::to_string(web_.port())};
    return testing::RunChild({ZELVO_TOOL_PATH, line}, options);
  }
  std::unique_ptr<BackgroundTool> StartTool(const std::string& line) {
    return std::make_unique<BackgroundTool>([this, line] { return Tool(line); });
  }

  // The frame of a window command, once it is there.
  HWND WaitForFrame() { return WaitForWindow(L"ZelvoToolFrame"); }

  std::vector<std::string> ReportFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(Path("tmp"))) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with("Zel") && name.ends_with(".html"))
        files.push_back(entry.path().string());
    }
    return files;
  }

  static std::optional<Rect> SavedRect(const wchar_t* name) {
    const std::optional<RegistryValue> value = ReadValue(HKEY_CURRENT_USER, kPlacementKey, name);
    if (!value || value->type != REG_BINARY) return std::nullopt;
    return DecodePlacementRect(value->bytes);
  }
  static Rect Screen() {
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }

  testing::TempFolder root_;
  testing::HttpRecorder web_;
};

TEST_F(ToolWindowsTest, StoreCommandsLeaveTheirResultInTheExitCodeAndTheRegistry) {
  const struct {
    const char* line;
    int code;
    const wchar_t* text;
  } rows[] = {
      {"ADDDATA,datakey=\"Recent\",datastring=\"a, b.prj\"", 0, L""},
      {"GETDATA,datakey=\"recent\"", 0, L"a, b.prj"},
      // The prefix of the protocol, in any case, and what a browser escapes.
      {"zvm:GETDATA,datakey=RECENT", 0, L"a, b.prj"},
      {"ZvM:GETDATA%2Cdatakey=%22Recent%22", 0, L"a, b.prj"},
      {"UPDATEUSER,firstname=\"Zo\xC3\xAB\"", 0, L""},
      {"GETVALUE,valname=UFNM", 0, L"Zo\u00EB"},
      {"GETDATA,datakey=none", 32, L""},
      {"DELDATA,datakey=Recent", 48, L""},
      // Words are taken as they are: lower case, unknown or none is 37.
      {"getdata,datakey=recent", 37, L""},
      {"link,url=support", 37, L""},
      {"REBUILD", 37, L""},
      {"", 37, L""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Tool(row.line).exit_code, row.code) << row.line;
    const std::optional<RegistryValue> text =
        ReadValue(HKEY_CURRENT_USER, kResultKey, L"ZelvoResult");
    EXPECT_EQ(TextOf(text), row.text) << row.line;
    // The terminating null is counted in the stored size.
    EXPECT_EQ(text->bytes.size(), (wcslen(row.text) + 1) * sizeof(wchar_t)) << row.line;
    EXPECT_EQ(DwordOf(ReadValue(HKEY_CURRENT_USER, kResultKey, L"ZelvoReturnCode")),
              static_cast<DWORD>(row.code))
        << row.line;
  }
  // No window came up for any of them.
  EXPECT_EQ(::FindWindowW(L"ZelvoToolFrame", nullptr), nullptr);
}

TEST_F(ToolWindowsTest, UrlProtocolIsRegisteredForTheUserOnlyWhenMissing) {
  ASSERT_EQ(Tool("GETDATA,datakey=k").exit_code, 32);
  const std::wstring icon =
      TextOf(ReadValue(HKEY_CURRENT_USER, L"Software\\Classes\\zvm\\Default Icon", nullptr));
  EXPECT_EQ(TextOf(ReadValue(HKEY_CURRENT_USER, kUserClassKey, nullptr)), L"URL:Zelvo Protocol");
  EXPECT_EQ(TextOf(ReadValue(HKEY_CURRENT_USER, kUserClassKey, L"URL Protocol")), L"");
  EXPECT_TRUE(icon.starts_with(L"\"") && icon.ends_with(L"\\ZelvoTool.exe\"")) << icon;
  EXPECT_EQ(TextOf(ReadValue(HKEY_CURRENT_USER, L"Software\\Classes\\zvm\\shell\\open\\command",
                             nullptr)),
            icon + L" %1");

  // Written once: what is there stays.
  const std::wstring changed = L"URL:Changed";
  WriteValue(HKEY_CURRENT_USER, kUserClassKey, nullptr, REG_SZ, changed.c_str(),
             static_cast<DWORD>((changed.size() + 1) * sizeof(wchar_t)));
  ASSERT_EQ(Tool("GETDATA,datakey=k").exit_code, 32);
  EXPECT_EQ(TextOf(ReadValue(HKEY_CURRENT_USER, kUserClassKey, nullptr)), changed);

  // A machine-wide registration (the installer's) counts as well.
  ::RegDeleteTreeW(HKEY_CURRENT_USER, kUserClassKey);
  WriteValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\zvm", nullptr, REG_SZ, changed.c_str(),
             static_cast<DWORD>((changed.size() + 1) * sizeof(wchar_t)));
  ASSERT_EQ(Tool("GETDATA,datakey=k").exit_code, 32);
  EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kUserClassKey, nullptr).has_value());
  ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\zvm");
}

TEST_F(ToolWindowsTest, SatelliteLibraryTranslatesTheWindowAndTheAboutBox) {
  const struct {
    const char* language;
    const wchar_t* caption;
    const wchar_t* product_line;
    const wchar_t* status;
  } rows[] = {
      {"DEU", L"\u00DCber ZelvoTool", L"ZelvoTool Webbrowser", L"Bereit"},
      {"de", L"\u00DCber ZelvoTool", L"ZelvoTool Webbrowser", L"Bereit"},  // lang=de is DEU
      // English: never a library for ENU, and a missing one is no error.
      {"ENU", L"About ZelvoTool", L"ZelvoTool Web Browser", L"Ready"},
      {"FRA", L"About ZelvoTool", L"ZelvoTool Web Browser", L"Ready"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.language);
    std::unique_ptr<BackgroundTool> tool =
        StartTool(std::string("INFODISPLAY,") +
                  (row.language == std::string("de") ? "lang=" : "language_id=") + row.language);
    HWND frame = WaitForFrame();
    ASSERT_NE(frame, nullptr);
    HWND status_bar = ::FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr);
    EXPECT_EQ(ControlText(status_bar), row.status);

    ::PostMessageW(frame, WM_COMMAND, ID_APP_ABOUT, 0);
    HWND about = WaitForWindow(L"#32770", row.caption, 30s);
    ASSERT_NE(about, nullptr);
    const std::vector<std::wstring> texts = ChildTexts(about);
    EXPECT_NE(std::find(texts.begin(), texts.end(), row.product_line), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Version 5.7"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"OK"), texts.end());
    ::PostMessageW(about, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 200 && ::IsWindow(about); ++i) std::this_thread::sleep_for(50ms);
    EXPECT_EQ(tool->Close().exit_code, 0);
  }
}

TEST_F(ToolWindowsTest, PlacementIsKeptPerCallingWindowAndRestoredBeforeCreation) {
  // Without a caller: the default size centred on the screen, kept under
  // "Rect"; a report opens maximised.
  std::unique_ptr<BackgroundTool> tool = StartTool("INFODISPLAY");
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsZoomed(frame));
  EXPECT_EQ((::GetWindowLongW(frame, GWL_STYLE) & WS_MINIMIZEBOX), 0);
  ASSERT_EQ(tool->Close().exit_code, 0);
  EXPECT_EQ(SavedRect(L"Rect"), DefaultPlacement(Screen(), std::nullopt));
  EXPECT_EQ(DwordOf(ReadValue(HKEY_CURRENT_USER, kPlacementKey, L"Maximized")), 1u);

  // Over a large caller: centred on it, kept under its title up to the "-".
  {
    CallerWindow editor(L"Editor - Project", RECT{100, 80, 900, 680});
    tool = StartTool("DEBUGDISPLAY,parentwnd=" + editor.Handle());
    frame = WaitForFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(::GetWindow(frame, GW_OWNER), editor.window());
    ASSERT_EQ(tool->Close().exit_code, 0);
    ParentWindowInfo parent{u"Editor - Project", Rect{100, 80, 800, 600}, true, false};
    EXPECT_EQ(SavedRect(L"Editor -Rect"), DefaultPlacement(Screen(), parent));
    EXPECT_EQ(DwordOf(ReadValue(HKEY_CURRENT_USER, kPlacementKey, L"Editor -Maximized")), 1u);
  }
  // A narrow caller is too small to centre on; a title without a hyphen is
  // kept whole.
  {
    CallerWindow narrow(L"Narrow", RECT{100, 80, 600, 680});
    tool = StartTool("INFODISPLAY,parentwnd=" + narrow.Handle());
    frame = WaitForFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(tool->Close().exit_code, 0);
    EXPECT_EQ(SavedRect(L"Narrow-Rect"), DefaultPlacement(Screen(), std::nullopt));
  }

  // A kept rectangle is where the window is restored to, and is kept again
  // (Wine does not show another process the restored rectangle of a
  // maximised window: what is kept at the end tells).
  const Rect kept{40, 30, 640, 480};
  const std::string bytes = EncodePlacementRect(kept);
  WriteValue(HKEY_CURRENT_USER, kPlacementKey, L"Rect", REG_BINARY, bytes.data(),
             static_cast<DWORD>(bytes.size()));
  tool = StartTool("INFODISPLAY");
  frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(tool->Close().exit_code, 0);
  EXPECT_EQ(SavedRect(L"Rect"), kept);
}

TEST_F(ToolWindowsTest, FrameTitleNamesTheCallerAndItsBarsAreThere) {
  std::unique_ptr<BackgroundTool> tool = StartTool("INFODISPLAY,prodname=\"My App\"");
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  // The page's title never comes (no page loads here): empty brackets.
  EXPECT_EQ(WindowText(frame), L"My App    ()");
  EXPECT_NE(::FindWindowExW(frame, nullptr, TOOLBARCLASSNAMEW, nullptr), nullptr);
  EXPECT_NE(::FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr), nullptr);
  EXPECT_EQ(tool->Close().exit_code, 0);

  tool = StartTool("DEBUGDISPLAY");
  frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(WindowText(frame), L"Orvane Systems    ()");
  EXPECT_EQ(tool->Close().exit_code, 0);
}

TEST_F(ToolWindowsTest, LinkPostsTheFieldsOfTheCallerTheProfileAndTheTool) {
  ASSERT_EQ(Tool("UPDATEUSER,firstname=\"Zo\xC3\xAB\",lastname=Lee,email=z@x.test,country_id=83,"
                 "member_id=M7")
                .exit_code,
            0);
  std::unique_ptr<BackgroundTool> tool = StartTool(
      "LINK,url=Support,prodname=\"My App\",language_id=DEU,product_id=12,apprev=3.1,os=Win");
  ASSERT_TRUE(web_.WaitForRequests(1, 60s));
  ASSERT_EQ(tool->Close().exit_code, 0);

  const HttpRequest request = Split(web_.Requests().at(0));
  EXPECT_EQ(request.line, "POST /MenuSupport.asp HTTP/1.1");
  EXPECT_NE(request.headers.find("Content-type: multipart/form-data; boundary=AaB03x\r\n"),
            std::string::npos)
      << request.headers;
  EXPECT_EQ(request.body, "--AaB03x\r\n" + Part("product_id", "12") + Part("Langue_ID", "4") +
                              Part("locale_code", "de_DE") + Part("region_code", "DEU") +
                              Part("prodname", "My App") + Part("AppRev", "3.1") +
                              Part("firstname", Ansi(L"Zo\u00EB")) + Part("lastname", "Lee") +
                              Part("country_id", "83") + Part("email", "z@x.test") +
                              Part("os", "Win") + Part("member_id", "M7") +
                              Part("ZelvoRev", "5.7") + Part("ZelvoTool", "1"));
}

TEST_F(ToolWindowsTest, AlternativeLinksAndQueriesOfTheRequestSwitch) {
  const std::string page = "http://127.0.0.1:" + std::to_string(web_.port()) + "/page";
  // The fields that are sent when nothing is known: prodname and firstname
  // empty, country 0, the tool's own; lastname and the rest are left out.
  const char* const kNothingKnown = "prodname=&firstname=&country_id=0&ZelvoRev=5.7&ZelvoTool=1";
  const struct {
    bool query;
    std::string line;
    std::string request_line;
    std::string body = {};
  } rows[] = {
      {false, "LINK,url=webboard,vantolinks", "POST /forums HTTP/1.1",
       "--AaB03x\r\n" + Part("prodname", "") + Part("firstname", "") + Part("country_id", "0") +
           Part("ZelvoRev", "5.7") + Part("ZelvoTool", "1")},
      {true, "LINK,url=product,prodname=\"My App\",firstname=\"Zo\xC3\xAB\"",
       "GET /ProductPage.asp?prodname=My%20App&firstname=Zo%C3%AB&country_id=0&ZelvoRev=5.7&"
       "ZelvoTool=1 HTTP/1.1"},
      {true, "LINK,url=\"" + page + "?x=1\"",
       "GET /page?x=1&" + std::string(kNothingKnown) + " HTTP/1.1"},
      {true, "LINK,url=\"" + page + "?\"", "GET /page?" + std::string(kNothingKnown) + " HTTP/1.1"},
      {true, "LINK,url=\"" + page + "\"", "GET /page?" + std::string(kNothingKnown) + " HTTP/1.1"},
  };
  size_t seen = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    SetHttpGetSwitch(row.query);
    std::unique_ptr<BackgroundTool> tool = StartTool(row.line);
    ASSERT_TRUE(web_.WaitForRequests(++seen, 60s));
    ASSERT_EQ(tool->Close().exit_code, 0);
    const HttpRequest request = Split(web_.Requests().at(seen - 1));
    EXPECT_EQ(request.line, row.request_line);
    EXPECT_EQ(request.body, row.body);
  }
}

TEST_F(ToolWindowsTest, CloseRequestsWaitWhileAPageIsNavigatedTo) {
  web_.Hold(true);
  std::unique_ptr<BackgroundTool> tool = StartTool("LINK,url=support");
  ASSERT_TRUE(web_.WaitForRequests(1, 60s));
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  ::PostMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(tool->EndsWithin(2s));
  EXPECT_TRUE(::IsWindow(frame));
  // Once the page has come (and failed to show, here), a close request closes.
  web_.Hold(false);
  EXPECT_EQ(tool->Close().exit_code, 0);
}

TEST_F(ToolWindowsTest, AddressWithCloseEndsTheToolWithoutARequest) {
  const std::string address =
      "http://127.0.0.1:" + std::to_string(web_.port()) + "/done~Close~.html";
  std::unique_ptr<BackgroundTool> tool = StartTool("LINK,url=\"" + address + "\"");
  ASSERT_TRUE(tool->EndsWithin(60s));
  EXPECT_EQ(tool->Close().exit_code, 0);
  EXPECT_TRUE(web_.Requests().empty());
}

TEST_F(ToolWindowsTest, LinkWindowOpensMaximisedWhereItWasClosedSo) {
  CallerWindow editor(L"Editor - Project", RECT{100, 80, 900, 680});
  const Rect kept{40, 30, 640, 480};
  const std::string bytes = EncodePlacementRect(kept);
  const DWORD maximized = 1;
  WriteValue(HKEY_CURRENT_USER, kPlacementKey, L"Editor -Rect", REG_BINARY, bytes.data(),
             static_cast<DWORD>(bytes.size()));
  WriteValue(HKEY_CURRENT_USER, kPlacementKey, L"Editor -Maximized", REG_DWORD, &maximized,
             sizeof maximized);
  std::unique_ptr<BackgroundTool> tool = StartTool("LINK,url=support,parentwnd=" + editor.Handle());
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsZoomed(frame));
  ASSERT_EQ(tool->Close().exit_code, 0);
  EXPECT_EQ(SavedRect(L"Editor -Rect"), kept);
  EXPECT_EQ(DwordOf(ReadValue(HKEY_CURRENT_USER, kPlacementKey, L"Editor -Maximized")), 1u);

  // Without a caller, the plain "Maximized" decides at start-up.
  WriteValue(HKEY_CURRENT_USER, kPlacementKey, L"Maximized", REG_DWORD, &maximized,
             sizeof maximized);
  tool = StartTool("LINK,url=support");
  frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsZoomed(frame));
  ASSERT_EQ(tool->Close().exit_code, 0);
}

TEST_F(ToolWindowsTest, ReportFileHoldsTheProfileWhileTheWindowIsOpen) {
  ASSERT_EQ(Tool("UPDATEUSER,firstname=\"\xC5\x81ukasz <b>\",lastname=\"O'Neil\","
                 "email=\"a&b@x\",country_id=223,optin=1")
                .exit_code,
            0);
  const struct {
    const char* line;
    const char* title;
    const char* country;
  } rows[] = {
      {"INFODISPLAY", "<TITLE>Orvane Systems Information</TITLE><HEAD>\r\n", "223 (United States)"},
      {"DEBUGDISPLAY,language_id=DEU", "<TITLE>Zelvo5 Debug Display</TITLE><HEAD>\r\n",
       "223 (Vereinigte Staaten)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    std::unique_ptr<BackgroundTool> tool = StartTool(row.line);
    ASSERT_NE(WaitForFrame(), nullptr);
    std::vector<std::string> files;
    for (int i = 0; i < 600 && (files = ReportFiles()).empty(); ++i)
      std::this_thread::sleep_for(50ms);
    ASSERT_EQ(files.size(), 1u);
    std::ifstream in(files[0], std::ios::binary);
    const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    EXPECT_TRUE(page.starts_with("<HTML><HEAD>\r\n<STYLE>")) << page;
    EXPECT_NE(page.find(row.title), std::string::npos) << page;
    // In the ANSI code page; what it lacks as a character reference, and
    // markup as text.
    EXPECT_NE(page.find("<TR>\r\n  <TD>&#321;ukasz &lt;b&gt;</TD>\r\n  <TD>O&#39;Neil</TD>\r\n"
                        "  <TD>a&amp;b@x</TD>\r\n  <TD>" +
                        std::string(row.country) + "</TD>\r\n  <TD>Yes</TD>\r\n</TR>\r\n"),
              std::string::npos)
        << page;
    EXPECT_TRUE(page.ends_with("</TABLE>\r\n</BODY></HTML>\r\n")) << page;
    EXPECT_EQ(tool->Close().exit_code, 0);
    EXPECT_TRUE(ReportFiles().empty());
  }
}

}  // namespace
}  // namespace zelvo
