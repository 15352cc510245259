#include "tool/core/view_controller.h"

#include "engine/result_code.h"
#include "tool/core/navigation.h"

namespace zelvo {

void ViewController::InitialUpdate() {
  if (run_->command() == u"LINK") {
    Show(run_->LinkDestination());
  } else {
    ShowReport();
  }
}

void ViewController::OpenMenuTarget(MenuTarget target) { Show(run_->MenuDestination(target)); }

void ViewController::Show(const Destination& destination) {
  switch (destination.kind) {
    case Destination::Kind::kWeb:
      // An address that carries the fields shows on the debug channel.
      if (destination.with_form && run_->fields_in_query()) {
        control_->DebugOutput(destination.request.address);
      }
      control_->Navigate(destination.request);
      return;
    case Destination::Kind::kLocalPage:
      if (control_->NavigateToOwnPage(destination.local_page)) return;
      break;  // no such page: nothing to show
    case Destination::Kind::kClose:
      break;
  }
  control_->PostClose();
}

void ViewController::ShowReport() {
  try {
    // A file that cannot be written leaves the window empty; the result
    // stays what it is.
    const std::string path = control_->WriteReportFile(run_->ReportPageText());
    if (path.empty()) return;
    run_->AddTemporaryFile(path);
    control_->NavigateToFile(path);
  } catch (...) {
    // The window keeps what it shows.
  }
}

bool ViewController::BeforeNavigate(std::u16string_view address, bool main_frame) {
  using Step = NavigationDecision::Step;
  try {
    const NavigationDecision decision = DecideNavigation(address, main_frame);
    if (decision.navigating) run_->set_navigating(*decision.navigating);
    switch (decision.step) {
      case Step::kClose:
        control_->PostClose();
        return true;
      case Step::kPrint:
        control_->Print();
        return true;
      case Step::kHandToSystem:
        control_->HandToSystem(address);
        return true;
      case Step::kGoAhead:
        return false;
    }
  } catch (...) {
  }
  run_->set_result(result::kUnknownError);
  control_->PostClose();
  return true;
}

void ViewController::NavigateComplete(bool document_ready) {
  if (document_ready) PageLoaded();
  run_->set_navigating(false);
}

void ViewController::DownloadComplete(bool document_ready) {
  if (document_ready) PageLoaded();
}

void ViewController::NavigateError() { run_->set_navigating(false); }

void ViewController::HistoryStateChanged(History command, bool enabled) {
  (command == History::kBack ? can_go_back_ : can_go_forward_) = enabled;
}

void ViewController::PageLoaded() {
  switch (run_->PageLoaded()) {
    case ToolRun::AfterLoad::kStay:
      break;
    case ToolRun::AfterLoad::kCloseLater:
      control_->StartCloseTimer(ToolRun::kSilentCloseMilliseconds);
      break;
    case ToolRun::AfterLoad::kCloseNow:
      control_->PostClose();
      break;
  }
}

}  // namespace zelvo
