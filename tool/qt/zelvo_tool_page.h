// The page of the tool's web view: every navigation request goes to the view
// controller, which lets it go ahead or cancels it.
#pragma once

#include <QWebEnginePage>

namespace zelvo {
class ViewController;
}

class ZelvoToolPage : public QWebEnginePage {
  Q_OBJECT

 public:
  ZelvoToolPage(zelvo::ViewController* controller, QObject* parent);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;

 private:
  zelvo::ViewController* const controller_;
};
