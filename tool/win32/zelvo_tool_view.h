// The view of the main window on Windows: a child window that hosts the
// WebBrowser control. It carries out what the view controller asks of the
// HTML control, and hands the control's events to it.
#pragma once

#include <windows.h>
// After windows.h.
#include <docobj.h>

#include <string>

#include "tool/core/html_control.h"
#include "tool/core/view_controller.h"
#include "tool/win32/web_browser_host.h"

class CMainFrame;

namespace zelvo {
class ZelvoToolApp;
}

class ZelvoToolView final : public zelvo::HtmlControl, public zelvo::BrowserEvents {
 public:
  ZelvoToolView(zelvo::ZelvoToolApp* app, CMainFrame* frame);
  ZelvoToolView(const ZelvoToolView&) = delete;
  ZelvoToolView& operator=(const ZelvoToolView&) = delete;
  ~ZelvoToolView() override;

  // Creates the view's window in the frame and the control in it.
  bool Create(HWND frame);
  // Releases the control and destroys the window.
  void Destroy();

  HWND hwnd() const { return hwnd_; }
  zelvo::ViewController& controller() { return controller_; }

  void Move(const RECT& area);
  void GoBack();
  void GoForward();
  // A command of the control for the page: print, copy, paste...
  void Exec(OLECMDID command);
  bool TranslateAccelerator(MSG* message);

  // HtmlControl
  void Navigate(const zelvo::WebRequest& request) override;
  bool NavigateToOwnPage(const std::string& name) override;
  void NavigateToFile(const std::string& path) override;
  std::string WriteReportFile(std::u16string_view page) override;
  void Print() override;
  void HandToSystem(std::u16string_view address) override;
  void PostClose() override;
  void StartCloseTimer(int milliseconds) override;
  void DebugOutput(std::string_view line) override;

  // BrowserEvents
  bool BeforeNavigate(std::u16string_view address, bool top_level) override;
  void NavigateComplete(bool top_level) override;
  void DownloadComplete() override;
  void NavigateError(bool top_level) override;
  void TitleChanged(std::u16string_view title) override;
  void StatusTextChanged(std::u16string_view text) override;
  void CommandStateChanged(long command, bool enabled) override;
  void WindowClosing() override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM w, LPARAM l);
  // Navigates the control; a failure of the control's call is an exception
  // of the navigation.
  void NavigateTo(const std::wstring& address, const std::string& extra_header = {},
                  const std::string& body = {});
  // Navigates; an exception gives result 26 and closes the window.
  void NavigateOrClose(const std::wstring& address, const std::string& extra_header = {},
                       const std::string& body = {});

  zelvo::ZelvoToolApp* const app_;
  CMainFrame* const frame_;
  zelvo::ViewController controller_;
  HWND hwnd_ = nullptr;
  zelvo::WebBrowserHost* browser_ = nullptr;
};
