#include "tool/qt/zelvo_tool_page.h"

#include "tool/core/view_controller.h"
#include "tool/qt/qt_text.h"

ZelvoToolPage::ZelvoToolPage(zelvo::ViewController* controller, QObject* parent)
    : QWebEnginePage(parent), controller_(controller) {}

bool ZelvoToolPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) {
  return !controller_->BeforeNavigate(zelvo::ToU16(url.toString()), is_main_frame);
}
