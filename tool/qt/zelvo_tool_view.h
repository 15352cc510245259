// The view of the main window: a web view showing the page of the command
// (a web link or the information report), which reports its title, status
// text and history state, and closes the window on the page's request.
#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <memory>

class QPrinter;

class QWebEngineView;
class ZelvoToolDoc;
class ZelvoToolPage;

namespace zelvo {
class ToolRun;
struct Destination;
enum class MenuTarget;
}  // namespace zelvo

class ZelvoToolView : public QWidget {
  Q_OBJECT

 public:
  ZelvoToolView(zelvo::ToolRun* run, ZelvoToolDoc* doc, QWidget* parent);
  ~ZelvoToolView() override;

  // Shows what the command asks for: its web link or its report.
  void InitialUpdate();
  // Opens a Go To item.
  void OpenMenuTarget(zelvo::MenuTarget target);

  // Navigates, with an extra header and a body when given (then as a POST).
  void Navigate(const QUrl& url, const QByteArray& header = {}, const QByteArray& body = {});
  void Print();
  void GoBack();
  void GoForward();
  bool CanGoBack() const;
  bool CanGoForward() const;

  // Closes the window `milliseconds` from now (timer 1001).
  void StartCloseTimer(int milliseconds);

 signals:
  void CloseRequested();
  void StatusTextChanged(const QString& text);
  void HistoryChanged();

 private:
  void Show(const zelvo::Destination& destination);
  void ShowReport();
  void OnLoadFinished(bool ok);
  void PageLoaded();

  zelvo::ToolRun* const run_;
  ZelvoToolDoc* const doc_;
  QWebEngineView* web_view_;
  ZelvoToolPage* page_;
  QTimer close_timer_;
  std::unique_ptr<QPrinter> printer_;
};
