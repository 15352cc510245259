// The view of the main window on Linux: a web view that shows the page of
// the command (a web link or the information report). It carries out what
// the view controller asks of the HTML control, and hands the web view's
// events to it.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "tool/core/html_control.h"
#include "tool/core/view_controller.h"

class QPrinter;
class QWebEngineView;
class ZelvoToolDoc;
class ZelvoToolPage;

class ZelvoToolView : public QWidget, public zelvo::HtmlControl {
  Q_OBJECT

 public:
  ZelvoToolView(zelvo::ToolRun* run, ZelvoToolDoc* doc, QWidget* parent);
  ~ZelvoToolView() override;

  zelvo::ViewController& controller() { return controller_; }

  void GoBack();
  void GoForward();

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

 signals:
  void CloseRequested();
  void StatusTextChanged(const QString& text);
  void HistoryChanged();

 private:
  zelvo::ViewController controller_;
  ZelvoToolDoc* const doc_;
  QWebEngineView* web_view_;
  ZelvoToolPage* page_;
  QTimer close_timer_;
  std::unique_ptr<QPrinter> printer_;
};
