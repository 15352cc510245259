#include "tool/qt/zelvo_tool_page.h"

#include <QDesktopServices>
#include <QTimer>

#include "engine/result_code.h"
#include "tool/core/navigation.h"
#include "tool/core/tool_run.h"
#include "tool/qt/qt_text.h"

ZelvoToolPage::ZelvoToolPage(zelvo::ToolRun* run, QObject* parent)
    : QWebEnginePage(parent), run_(run) {}

bool ZelvoToolPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) {
  using Step = zelvo::NavigationDecision::Step;
  try {
    const zelvo::NavigationDecision decision =
        zelvo::DecideNavigation(zelvo::ToU16(url.toString()), is_main_frame);
    if (decision.navigating) run_->set_navigating(*decision.navigating);
    switch (decision.step) {
      case Step::kClose:
        QTimer::singleShot(0, this, &ZelvoToolPage::CloseRequested);
        return false;
      case Step::kPrint:
        QTimer::singleShot(0, this, &ZelvoToolPage::PrintRequested);
        return false;
      case Step::kHandToDesktop:
        QDesktopServices::openUrl(url);
        return false;
      case Step::kGoAhead:
        break;
    }
    return true;
  } catch (...) {
    run_->set_result(zelvo::result::kUnknownError);
    QTimer::singleShot(0, this, &ZelvoToolPage::CloseRequested);
    return false;
  }
}
