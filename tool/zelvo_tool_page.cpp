#include "tool/zelvo_tool_page.h"

#include <QDesktopServices>
#include <QTimer>

#include "engine/result_code.h"
#include "tool/zelvo_tool_app.h"

ZelvoToolPage::ZelvoToolPage(zelvo::ZelvoToolApp* app, QObject* parent)
    : QWebEnginePage(parent), app_(app) {}

bool ZelvoToolPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) {
  try {
    const QString address = url.toString().toLower();
    if (address.contains(QLatin1String("~close~"))) {
      app_->set_navigating(false);
      QTimer::singleShot(0, this, &ZelvoToolPage::CloseRequested);
      return false;
    }
    if (address.contains(QLatin1String("~print~"))) {
      app_->set_navigating(false);
      QTimer::singleShot(0, this, &ZelvoToolPage::PrintRequested);
      return false;
    }
    if (url.scheme().compare(QLatin1String("zvm"), Qt::CaseInsensitive) == 0) {
      QDesktopServices::openUrl(url);
      return false;
    }
    if (is_main_frame) app_->set_navigating(true);
    if (address.contains(QLatin1String("javascript:popupwindow")) ||
        address.contains(QLatin1String(".exe"))) {
      app_->set_navigating(false);
    }
    return true;
  } catch (...) {
    app_->set_result(zelvo::result::kUnknownError);
    QTimer::singleShot(0, this, &ZelvoToolPage::CloseRequested);
    return false;
  }
}
