#include "tool/win32/main_frame.h"

#include <ole2.h>

#include "tool/core/web_links.h"
#include "tool/win32/about_dialog.h"
#include "tool/win32/resource.h"
#include "tool/win32/tool_registry.h"
#include "tool/win32/wide_text.h"
#include "tool/win32/window_class.h"
#include "tool/win32/zelvo_tool_app.h"
#include "tool/win32/zelvo_tool_view.h"

namespace {

constexpr wchar_t kWindowClass[] = L"ZelvoToolFrame";
// The frame's own timer: the lock indicators follow the keyboard.
constexpr UINT_PTR kIndicatorTimer = 1;
constexpr UINT kIndicatorMilliseconds = 250;
constexpr int kIndicatorWidth = 48;
// Magenta marks what the toolbar bitmap leaves out.
constexpr COLORREF kToolbarMask = RGB(255, 0, 255);

zelvo::Rect ToRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<zelvo::ParentWindowInfo> QueryParentWindow(HWND parent) {
  if (parent == nullptr) return std::nullopt;
  zelvo::ParentWindowInfo info;
  std::wstring title(static_cast<size_t>(::GetWindowTextLengthW(parent)) + 1, L'\0');
  title.resize(
      static_cast<size_t>(::GetWindowTextW(parent, title.data(), static_cast<int>(title.size()))));
  info.title = zelvo::FromWide(title);
  RECT frame = {};
  ::GetWindowRect(parent, &frame);
  info.frame = ToRect(frame);
  info.visible = ::IsWindowVisible(parent) != FALSE;
  info.minimized = ::IsIconic(parent) != FALSE;
  return info;
}

struct GoToItem {
  UINT command;
  zelvo::MenuTarget target;
};
constexpr GoToItem kGoToItems[] = {
    {ID_GO_PRODUCT_INFO, zelvo::MenuTarget::kProductInfo},
    {ID_GO_SUPPORT, zelvo::MenuTarget::kSupport},
    {ID_GO_WEBBOARD, zelvo::MenuTarget::kWebboard},
    {ID_GO_HOME_PAGE, zelvo::MenuTarget::kHomePage},
};

struct EditCommand {
  UINT command;
  OLECMDID control_command;
};
constexpr EditCommand kEditCommands[] = {
    {ID_EDIT_UNDO, OLECMDID_UNDO},
    {ID_EDIT_CUT, OLECMDID_CUT},
    {ID_EDIT_COPY, OLECMDID_COPY},
    {ID_EDIT_PASTE, OLECMDID_PASTE},
};

}  // namespace

CMainFrame::CMainFrame(zelvo::ZelvoToolApp* app)
    : app_(app),
      doc_([this] { UpdateTitle(); }),
      parent_(QueryParentWindow(app->parent_window())) {}

CMainFrame::~CMainFrame() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  if (tool_bar_images_ != nullptr) ImageList_Destroy(tool_bar_images_);
}

zelvo::PlacementNames CMainFrame::EntryNames() const {
  return zelvo::PlacementEntryNames(parent_ ? std::optional<std::u16string>(parent_->title)
                                            : std::nullopt);
}

bool CMainFrame::Create(bool maximized) {
  zelvo::RegisterWindowClass(app_->instance(), kWindowClass, WindowProcedure,
                             ::LoadIconW(app_->instance(), MAKEINTRESOURCEW(IDR_MAINFRAME)));
  accelerators_ = ::LoadAcceleratorsW(app_->resources(), MAKEINTRESOURCEW(IDR_MAINFRAME));

  // Where it was closed last time; else the default size, centred.
  const zelvo::SavedPlacement saved = zelvo::ReadPlacement(EntryNames());
  // No minimise box: the window belongs to the calling application.
  DWORD style = (WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX) | WS_CLIPCHILDREN;
  zelvo::Rect place;
  if (saved.rect) {
    place = *saved.rect;
    if (saved.maximized == 1) style |= WS_MAXIMIZE;
  } else {
    const zelvo::Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                             ::GetSystemMetrics(SM_CYSCREEN)};
    place = zelvo::DefaultPlacement(screen, parent_);
  }
  HMENU menu = ::LoadMenuW(app_->resources(), MAKEINTRESOURCEW(IDR_MAINFRAME));
  if (::CreateWindowExW(0, kWindowClass, L"", style, place.left, place.top, place.width,
                        place.height, app_->parent_window(), menu, app_->instance(),
                        this) == nullptr) {
    if (menu != nullptr) ::DestroyMenu(menu);
    return false;
  }
  UpdateTitle();
  ::ShowWindow(hwnd_, maximized || (style & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED : SW_SHOW);
  ::UpdateWindow(hwnd_);
  view_->controller().InitialUpdate();
  return true;
}

LRESULT CALLBACK CMainFrame::WindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  CMainFrame* frame = zelvo::WindowObject<CMainFrame>(hwnd, message, l);
  if (frame == nullptr) return ::DefWindowProcW(hwnd, message, w, l);
  if (message == WM_NCCREATE) frame->hwnd_ = hwnd;
  return frame->HandleMessage(message, w, l);
}

LRESULT CMainFrame::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      if (view_ != nullptr) ::SetFocus(view_->hwnd());
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(w));
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(w));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
      return 0;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(l));
    case WM_TIMER:
      if (w == kIndicatorTimer) UpdateLockIndicators();
      return 0;
    case WM_CLOSE:
      // A close request waits while a page is being navigated to.
      if (!app_->run().navigating()) DestroyWindow();
      return 0;
    case WM_DESTROY:
      ::KillTimer(hwnd_, kIndicatorTimer);
      if (view_ != nullptr) view_->Destroy();
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = tool_bar_ = status_bar_ = nullptr;
      return ::DefWindowProcW(hwnd, message, w, l);
    }
  }
  return ::DefWindowProcW(hwnd_, message, w, l);
}

bool CMainFrame::OnCreate() {
  HINSTANCE instance = app_->instance();
  tool_bar_ = ::CreateWindowExW(
      0, TOOLBARCLASSNAMEW, nullptr,
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOLBAR)), instance, nullptr);
  tool_bar_images_ = ImageList_LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), 16, 0,
                                          kToolbarMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  status_bar_ = ::CreateWindowExW(
      0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instance, nullptr);
  if (tool_bar_ == nullptr || tool_bar_images_ == nullptr || status_bar_ == nullptr) return false;

  ::SendMessageW(tool_bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ::SendMessageW(tool_bar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(tool_bar_images_));
  TBBUTTON buttons[] = {
      {0, ID_GO_BACK, 0, BTNS_BUTTON, {}, 0, 0},
      {1, ID_GO_FORWARD, 0, BTNS_BUTTON, {}, 0, 0},
  };
  ::SendMessageW(tool_bar_, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
  ::SendMessageW(tool_bar_, TB_AUTOSIZE, 0, 0);

  SetStatusText(app_->LoadText(IDS_READY));
  UpdateLockIndicators();
  ::SetTimer(hwnd_, kIndicatorTimer, kIndicatorMilliseconds, nullptr);

  view_ = std::make_unique<ZelvoToolView>(app_, this);
  return view_->Create(hwnd_);
}

void CMainFrame::Layout() {
  if (tool_bar_ == nullptr) return;
  RECT client = {};
  ::GetClientRect(hwnd_, &client);
  int top = client.top;
  int bottom = client.bottom;
  if (::IsWindowVisible(tool_bar_)) {
    ::SendMessageW(tool_bar_, TB_AUTOSIZE, 0, 0);
    RECT bar = {};
    ::GetWindowRect(tool_bar_, &bar);
    top += bar.bottom - bar.top;
  }
  if (::IsWindowVisible(status_bar_)) {
    ::SendMessageW(status_bar_, WM_SIZE, 0, 0);
    RECT bar = {};
    ::GetWindowRect(status_bar_, &bar);
    bottom -= bar.bottom - bar.top;
    // The message pane takes what the three indicators leave.
    const int width = client.right - client.left;
    const int parts[] = {width - 3 * kIndicatorWidth, width - 2 * kIndicatorWidth,
                         width - kIndicatorWidth, -1};
    ::SendMessageW(status_bar_, SB_SETPARTS, std::size(parts), reinterpret_cast<LPARAM>(parts));
  }
  if (view_ != nullptr) {
    view_->Move(RECT{client.left, top, client.right, std::max(top, bottom)});
  }
}

void CMainFrame::OnCommand(UINT id) {
  for (const GoToItem& item : kGoToItems) {
    if (item.command == id) return view_->controller().OpenMenuTarget(item.target);
  }
  for (const EditCommand& edit : kEditCommands) {
    if (edit.command == id) return view_->Exec(edit.control_command);
  }
  switch (id) {
    case ID_FILE_PRINT:
      view_->Exec(OLECMDID_PRINT);
      break;
    case ID_APP_EXIT:
      ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      break;
    case ID_GO_BACK:
      if (view_->controller().can_go_back()) view_->GoBack();
      break;
    case ID_GO_FORWARD:
      if (view_->controller().can_go_forward()) view_->GoForward();
      break;
    case ID_VIEW_TOOLBAR:
      ToggleBar(tool_bar_);
      break;
    case ID_VIEW_STATUS_BAR:
      ToggleBar(status_bar_);
      break;
    case ID_APP_ABOUT:
      CAboutDlg::DoModal(app_->resources(), hwnd_);
      break;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
      ::SetFocus(view_->hwnd());
      break;
    default:
      // New, Open and Save: the document is never loaded or saved.
      break;
  }
}

void CMainFrame::ToggleBar(HWND bar) {
  ::ShowWindow(bar, ::IsWindowVisible(bar) ? SW_HIDE : SW_SHOW);
  Layout();
}

void CMainFrame::OnInitMenuPopup(HMENU menu) {
  const auto enable = [menu](UINT id, bool on) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  const auto check = [menu](UINT id, bool on) {
    ::CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  };
  enable(ID_GO_BACK, view_->controller().can_go_back());
  enable(ID_GO_FORWARD, view_->controller().can_go_forward());
  check(ID_VIEW_TOOLBAR, ::IsWindowVisible(tool_bar_));
  check(ID_VIEW_STATUS_BAR, ::IsWindowVisible(status_bar_));
}

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  // The prompt of the item under the pointer; back to the idle message when
  // the menu closes.
  if (flags == 0xFFFF && menu == nullptr) {
    SetStatusText(app_->LoadText(IDS_READY));
  } else if ((flags & (MF_POPUP | MF_SEPARATOR)) == 0) {
    SetStatusText(app_->LoadText(item));
  } else {
    SetStatusText(L"");
  }
}

LRESULT CMainFrame::OnNotify(NMHDR* header) {
  // The toolbar's tips: the buttons' prompts.
  if (header->code == TTN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    tip_ = app_->LoadText(static_cast<UINT>(header->idFrom));
    info->lpszText = tip_.data();
  }
  return 0;
}

void CMainFrame::UpdateHistoryButtons() {
  if (tool_bar_ == nullptr) return;
  ::SendMessageW(tool_bar_, TB_ENABLEBUTTON, ID_GO_BACK,
                 MAKELPARAM(view_->controller().can_go_back(), 0));
  ::SendMessageW(tool_bar_, TB_ENABLEBUTTON, ID_GO_FORWARD,
                 MAKELPARAM(view_->controller().can_go_forward(), 0));
}

void CMainFrame::SetStatusText(const std::wstring& text) {
  if (status_bar_ != nullptr) {
    ::SendMessageW(status_bar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void CMainFrame::UpdateLockIndicators() {
  // An indicator shows its name while its lock is on.
  const struct {
    int key;
    UINT text;
  } indicators[] = {
      {VK_CAPITAL, IDS_INDICATOR_CAPS},
      {VK_NUMLOCK, IDS_INDICATOR_NUM},
      {VK_SCROLL, IDS_INDICATOR_SCRL},
  };
  for (WPARAM pane = 1; const auto& indicator : indicators) {
    const std::wstring text =
        (::GetKeyState(indicator.key) & 1) != 0 ? app_->LoadText(indicator.text) : L"";
    ::SendMessageW(status_bar_, SB_SETTEXTW, pane++, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void CMainFrame::UpdateTitle() {
  if (hwnd_ == nullptr) return;
  const std::u16string title = zelvo::FrameTitle(app_->run().Parameter(u"prodname"), doc_.title());
  ::SetWindowTextW(hwnd_, zelvo::ToWide(title).c_str());
}

bool CMainFrame::PreTranslateMessage(MSG* message) {
  if (hwnd_ == nullptr) return false;
  if (accelerators_ != nullptr && ::TranslateAcceleratorW(hwnd_, accelerators_, message)) {
    return true;
  }
  return view_ != nullptr && view_->TranslateAccelerator(message);
}

void CMainFrame::DestroyWindow() {
  // The restored rectangle, whatever the window's state now.
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (::GetWindowPlacement(hwnd_, &placement)) {
    zelvo::WritePlacement(EntryNames(), ToRect(placement.rcNormalPosition),
                          ::IsZoomed(hwnd_) != FALSE);
  }
  ::DestroyWindow(hwnd_);
}
