// The tool's one window: menus, toolbar and status bar around the view. It
// opens where it was last closed (kept per calling application) or centred,
// takes its title from the page, and ignores close requests while a page is
// being navigated to.
#pragma once

#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <memory>
#include <optional>

#include "tool/core/window_placement.h"
#include "tool/win32/zelvo_tool_doc.h"

class ZelvoToolView;

namespace zelvo {
class ZelvoToolApp;
}

class CMainFrame {
 public:
  explicit CMainFrame(zelvo::ZelvoToolApp* app);
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;
  ~CMainFrame();

  // Creates the window with its bars and view where it was last closed (or
  // at the default place), shows it, maximised when asked or when it was
  // closed so, and lets the view show its page. False when it could not be
  // created.
  bool Create(bool maximized);

  HWND hwnd() const { return hwnd_; }
  ZelvoToolDoc& doc() { return doc_; }

  // The keys of the menu's accelerators and of the view's control, before
  // the message loop dispatches a message. True when handled.
  bool PreTranslateMessage(MSG* message);

  // Back and Forward follow what the view's control last reported.
  void UpdateHistoryButtons();
  void SetStatusText(const std::wstring& text);

  // Saves the placement, then destroys the window.
  void DestroyWindow();

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  bool OnCreate();
  void OnCommand(UINT id);
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  LRESULT OnNotify(NMHDR* header);
  void Layout();
  void UpdateTitle();
  void UpdateLockIndicators();
  void ToggleBar(HWND bar);
  zelvo::PlacementNames EntryNames() const;

  zelvo::ZelvoToolApp* const app_;
  ZelvoToolDoc doc_;
  std::unique_ptr<ZelvoToolView> view_;
  std::optional<zelvo::ParentWindowInfo> parent_;
  HWND hwnd_ = nullptr;
  HWND tool_bar_ = nullptr;
  HWND status_bar_ = nullptr;
  HIMAGELIST tool_bar_images_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::wstring tip_;  // the text of the tooltip shown
};
