// The page policy of the tool's web view: which navigations go ahead. A link
// to "~close~" closes the window and one to "~print~" prints the page, both
// without navigating; zvm: links go to the desktop, which starts a new tool
// for them.
#pragma once

#include <QWebEnginePage>

namespace zelvo {
class ToolRun;
}

class ZelvoToolPage : public QWebEnginePage {
  Q_OBJECT

 public:
  ZelvoToolPage(zelvo::ToolRun* run, QObject* parent);

 signals:
  void CloseRequested();
  void PrintRequested();

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;

 private:
  zelvo::ToolRun* const run_;
};
