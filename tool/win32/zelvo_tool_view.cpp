#include "tool/win32/zelvo_tool_view.h"

#include <exdisp.h>
#include <shellapi.h>

#include "engine/platform/win32/win32_platform.h"
#include "engine/result_code.h"
#include "engine/text.h"
#include "tool/win32/main_frame.h"
#include "tool/win32/report_file.h"
#include "tool/win32/resource.h"
#include "tool/win32/wide_text.h"
#include "tool/win32/window_class.h"
#include "tool/win32/zelvo_tool_app.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ZelvoToolView";
// The timer that closes a silent window after its page has loaded.
constexpr UINT_PTR kCloseTimer = 1001;
// The type of the tool's own pages among its resources.
const wchar_t* const kHtmlResource = MAKEINTRESOURCEW(23);

// Owns a VARIANT for one call.
class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  ~Variant() { ::VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() { return &value_; }

  void SetText(const std::wstring& text) {
    value_.vt = VT_BSTR;
    value_.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  }
  // A request body: an array of the bytes, as the control takes it.
  void SetBytes(const std::string& bytes) {
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (array == nullptr) throw std::bad_alloc();
    void* data = nullptr;
    ::SafeArrayAccessData(array, &data);
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(data));
    ::SafeArrayUnaccessData(array);
    value_.vt = VT_ARRAY | VT_UI1;
    value_.parray = array;
  }

 private:
  VARIANT value_;
};

}  // namespace

ZelvoToolView::ZelvoToolView(zelvo::ZelvoToolApp* app, CMainFrame* frame)
    : app_(app), frame_(frame), controller_(&app->run(), this) {}

ZelvoToolView::~ZelvoToolView() { Destroy(); }

bool ZelvoToolView::Create(HWND frame) {
  zelvo::RegisterWindowClass(app_->instance(), kWindowClass, WindowProcedure);
  hwnd_ = ::CreateWindowExW(0, kWindowClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                            0, 0, frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_VIEW)),
                            app_->instance(), this);
  if (hwnd_ == nullptr) return false;
  browser_ = zelvo::WebBrowserHost::Create(hwnd_, this);
  return browser_ != nullptr;
}

void ZelvoToolView::Destroy() {
  if (browser_ != nullptr) {
    browser_->Close();
    browser_ = nullptr;
  }
  if (hwnd_ != nullptr) {
    ::KillTimer(hwnd_, kCloseTimer);
    ::DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK ZelvoToolView::WindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  ZelvoToolView* view = zelvo::WindowObject<ZelvoToolView>(hwnd, message, l);
  switch (message) {
    case WM_SIZE:
      if (view != nullptr && view->browser_ != nullptr) view->browser_->Resize();
      return 0;
    case WM_TIMER:
      if (view != nullptr && w == kCloseTimer) {
        ::KillTimer(hwnd, kCloseTimer);
        view->controller_.CloseTimerFired();
      }
      return 0;
    case WM_NCDESTROY:
      if (view != nullptr) view->hwnd_ = nullptr;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
  }
  return ::DefWindowProcW(hwnd, message, w, l);
}

void ZelvoToolView::Move(const RECT& area) {
  ::MoveWindow(hwnd_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void ZelvoToolView::GoBack() { browser_->browser()->GoBack(); }
void ZelvoToolView::GoForward() { browser_->browser()->GoForward(); }

void ZelvoToolView::Exec(OLECMDID command) {
  browser_->browser()->ExecWB(command, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
}

bool ZelvoToolView::TranslateAccelerator(MSG* message) {
  return browser_ != nullptr && browser_->TranslateAccelerator(message);
}

// --- HtmlControl --------------------------------------------------------------

void ZelvoToolView::NavigateTo(const std::wstring& address, const std::string& extra_header,
                               const std::string& body) {
  Variant url, flags, target, post_data, headers;
  url.SetText(address);
  if (!body.empty()) post_data.SetBytes(body);
  if (!extra_header.empty()) headers.SetText(zelvo::ToWide(zelvo::Utf8ToUtf16(extra_header)));
  if (FAILED(browser_->browser()->Navigate2(url.get(), flags.get(), target.get(), post_data.get(),
                                            headers.get()))) {
    throw std::runtime_error("the control did not navigate");
  }
}

void ZelvoToolView::NavigateOrClose(const std::wstring& address, const std::string& extra_header,
                                    const std::string& body) {
  try {
    NavigateTo(address, extra_header, body);
  } catch (...) {
    app_->run().set_result(zelvo::result::kUnknownError);
    PostClose();
  }
}

void ZelvoToolView::Navigate(const zelvo::WebRequest& request) {
  NavigateOrClose(zelvo::ToWide(zelvo::Utf8ToUtf16(request.address)), request.extra_header,
                  request.body);
}

bool ZelvoToolView::NavigateToOwnPage(const std::string& name) {
  const std::wstring resource = zelvo::ToWide(zelvo::Utf8ToUtf16(name)) + L".html";
  if (::FindResourceW(app_->instance(), resource.c_str(), kHtmlResource) == nullptr) return false;
  NavigateOrClose(L"res://" + app_->program_path() + L"/" + resource);
  return true;
}

void ZelvoToolView::NavigateToFile(const std::string& path) { NavigateTo(zelvo::WidePath(path)); }

std::string ZelvoToolView::WriteReportFile(std::u16string_view page) {
  return zelvo::WriteReportFile(page);
}

void ZelvoToolView::Print() {
  // After the event that asked for it, as the page may still be busy.
  ::PostMessageW(frame_->hwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
}

void ZelvoToolView::HandToSystem(std::u16string_view address) {
  ::ShellExecuteW(nullptr, L"open", zelvo::ToWide(address).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
}

void ZelvoToolView::PostClose() {
  if (frame_->hwnd() != nullptr) ::PostMessageW(frame_->hwnd(), WM_CLOSE, 0, 0);
}

void ZelvoToolView::StartCloseTimer(int milliseconds) {
  ::SetTimer(hwnd_, kCloseTimer, static_cast<UINT>(milliseconds), nullptr);
}

void ZelvoToolView::DebugOutput(std::string_view line) {
  ::OutputDebugStringW(zelvo::ToWide(zelvo::Utf8ToUtf16(line)).c_str());
}

// --- BrowserEvents ------------------------------------------------------------

bool ZelvoToolView::BeforeNavigate(std::u16string_view address, bool top_level) {
  return controller_.BeforeNavigate(address, top_level);
}

void ZelvoToolView::NavigateComplete(bool top_level) {
  if (top_level) controller_.NavigateComplete(browser_->DocumentReady());
}

void ZelvoToolView::DownloadComplete() { controller_.DownloadComplete(browser_->DocumentReady()); }

void ZelvoToolView::NavigateError(bool top_level) {
  if (top_level) controller_.NavigateError();
}

void ZelvoToolView::TitleChanged(std::u16string_view title) {
  frame_->doc().SetTitle(std::u16string(title));
}

void ZelvoToolView::StatusTextChanged(std::u16string_view text) {
  // The control has nothing to say most of the time: then the idle message.
  frame_->SetStatusText(text.empty() ? app_->LoadText(IDS_READY) : zelvo::ToWide(text));
}

void ZelvoToolView::CommandStateChanged(long command, bool enabled) {
  using History = zelvo::ViewController::History;
  if (command == CSC_NAVIGATEBACK) {
    controller_.HistoryStateChanged(History::kBack, enabled);
  } else if (command == CSC_NAVIGATEFORWARD) {
    controller_.HistoryStateChanged(History::kForward, enabled);
  } else {
    return;
  }
  frame_->UpdateHistoryButtons();
}

void ZelvoToolView::WindowClosing() { controller_.ControlWindowDestroyed(); }
