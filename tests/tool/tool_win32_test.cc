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
  std::future<ChildOutcome> StartTool(const std::string& line) {
    return std::async(std::launch::async, [this, line] { return Tool(line); });
  }

  // The frame of a window command, once it is there.
  HWND WaitForFrame() { return WaitForWindow(L"ZelvoToolFrame"); }

  // Asks the frame to close until the tool has ended, and gives its outcome.
  ChildOutcome Close(HWND frame, std::future<ChildOutcome>& tool) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    do {
      ::PostMessageW(frame, WM_CLOSE, 0, 0);
    } while (tool.wait_for(200ms) != std::future_status::ready &&
             std::chrono::steady_clock::now() < deadline);
    return tool.get();
  }

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
    std::future<ChildOutcome> tool =
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
    EXPECT_EQ(Close(frame, tool).exit_code, 0);
  }
}

TEST_F(ToolWindowsTest, PlacementIsKeptPerCallingWindowAndRestoredBeforeCreation) {
  // Without a caller: the default size centred on the screen, kept under
  // "Rect"; a report opens maximised.
  std::future<ChildOutcome> tool = StartTool("INFODISPLAY");
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsZoomed(frame));
  EXPECT_EQ((::GetWindowLongW(frame, GWL_STYLE) & WS_MINIMIZEBOX), 0);
  ASSERT_EQ(Close(frame, tool).exit_code, 0);
  EXPECT_EQ(SavedRect(L"Rect"), DefaultPlacement(Screen(), std::nullopt));
  EXPECT_EQ(DwordOf(ReadValue(HKEY_CURRENT_USER, kPlacementKey, L"Maximized")), 1u);

  // Over a large caller: centred on it, kept under its title up to the "-".
  {
    CallerWindow editor(L"Editor - Project", RECT{100, 80, 900, 680});
    tool = StartTool("DEBUGDISPLAY,parentwnd=" + editor.Handle());
    frame = WaitForFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(::GetWindow(frame, GW_OWNER), editor.window());
    ASSERT_EQ(Close(frame, tool).exit_code, 0);
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
    ASSERT_EQ(Close(frame, tool).exit_code, 0);
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
  ASSERT_EQ(Close(frame, tool).exit_code, 0);
  EXPECT_EQ(SavedRect(L"Rect"), kept);
}

TEST_F(ToolWindowsTest, FrameTitleNamesTheCallerAndItsBarsAreThere) {
  std::future<ChildOutcome> tool = StartTool("INFODISPLAY,prodname=\"My App\"");
  HWND frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  // The page's title never comes (no page loads here): empty brackets.
  EXPECT_EQ(WindowText(frame), L"My App    ()");
  EXPECT_NE(::FindWindowExW(frame, nullptr, TOOLBARCLASSNAMEW, nullptr), nullptr);
  EXPECT_NE(::FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr), nullptr);
  EXPECT_EQ(Close(frame, tool).exit_code, 0);

  tool = StartTool("DEBUGDISPLAY");
  frame = WaitForFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(WindowText(frame), L"Orvane Systems    ()");
  EXPECT_EQ(Close(frame, tool).exit_code, 0);
}

}  // namespace
}  // namespace zelvo
