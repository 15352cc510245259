// What the view of the main window does, whatever toolkit draws it: what it
// shows first, what each event of its HTML control leads to, and when the
// window closes. A front end forwards the control's events here and carries
// out what this asks of it through HtmlControl.
#pragma once

#include <string_view>

#include "tool/core/html_control.h"
#include "tool/core/tool_run.h"

namespace zelvo {

class ViewController {
 public:
  ViewController(ToolRun* run, HtmlControl* control) : run_(run), control_(control) {}
  ViewController(const ViewController&) = delete;
  ViewController& operator=(const ViewController&) = delete;

  // Once the window exists: the web link of LINK, or the report.
  void InitialUpdate();
  // A Go To item of the menu.
  void OpenMenuTarget(MenuTarget target);

  // Before the control navigates anywhere (a link, a script, a redirect,
  // or one of ours): true when the control must cancel the navigation.
  bool BeforeNavigate(std::u16string_view address, bool main_frame);
  // A navigation has ended; `document_ready` says that the document is
  // interactive or complete.
  void NavigateComplete(bool document_ready);
  // A download (a page or a part of it) has ended.
  void DownloadComplete(bool document_ready);
  // The control could not navigate; it shows its own error page.
  void NavigateError();

  // Whether the control can go back or forward, as it last reported.
  enum class History { kBack, kForward };
  void HistoryStateChanged(History command, bool enabled);
  bool can_go_back() const { return can_go_back_; }
  bool can_go_forward() const { return can_go_forward_; }

  // The close timer has fired.
  void CloseTimerFired() { control_->PostClose(); }
  // The control's own window has gone (a page's script closed it).
  void ControlWindowDestroyed() { control_->PostClose(); }

 private:
  void Show(const Destination& destination);
  void ShowReport();
  void PageLoaded();

  ToolRun* const run_;
  HtmlControl* const control_;
  bool can_go_back_ = false;
  bool can_go_forward_ = false;
};

}  // namespace zelvo
