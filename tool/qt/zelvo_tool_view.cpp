#include "tool/qt/zelvo_tool_view.h"

#include <QAction>
#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineHttpRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "tool/qt/qt_text.h"
#include "tool/qt/report_file.h"
#include "tool/qt/zelvo_tool_doc.h"
#include "tool/qt/zelvo_tool_page.h"

using History = zelvo::ViewController::History;

ZelvoToolView::ZelvoToolView(zelvo::ToolRun* run, ZelvoToolDoc* doc, QWidget* parent)
    : QWidget(parent),
      controller_(run, this),
      doc_(doc),
      web_view_(new QWebEngineView(this)),
      page_(new ZelvoToolPage(&controller_, web_view_)) {
  web_view_->setPage(page_);
  // The tool's pages say nothing of their encoding; they are UTF-8.
  page_->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(web_view_);

  connect(page_, &QWebEnginePage::titleChanged, doc_, &ZelvoToolDoc::SetTitle);
  connect(page_, &QWebEnginePage::linkHovered, this, &ZelvoToolView::StatusTextChanged);
  // A load that failed shows the engine's own error page.
  connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    if (ok) {
      controller_.NavigateComplete(true);
    } else {
      controller_.NavigateError();
    }
  });
  connect(page_, &QWebEnginePage::windowCloseRequested, this,
          [this] { controller_.ControlWindowDestroyed(); });
  for (const auto& [action, command] : {std::pair(QWebEnginePage::Back, History::kBack),
                                        std::pair(QWebEnginePage::Forward, History::kForward)}) {
    QAction* history_action = page_->action(action);
    connect(history_action, &QAction::changed, this, [this, history_action, command] {
      controller_.HistoryStateChanged(command, history_action->isEnabled());
      emit HistoryChanged();
    });
  }
  // The printer must live until the page has been printed.
  connect(web_view_, &QWebEngineView::printFinished, this, [this] { printer_.reset(); });
  close_timer_.setSingleShot(true);
  connect(&close_timer_, &QTimer::timeout, this, [this] { controller_.CloseTimerFired(); });
}

ZelvoToolView::~ZelvoToolView() = default;

void ZelvoToolView::Navigate(const zelvo::WebRequest& request) {
  QWebEngineHttpRequest http(QUrl(QString::fromStdString(request.address)));
  if (!request.body.empty() || !request.extra_header.empty()) {
    http.setMethod(QWebEngineHttpRequest::Post);
    // The header text is "Name: value" lines, as written by the form code.
    for (const QByteArray& line : QByteArray::fromStdString(request.extra_header).split('\n')) {
      const QByteArray trimmed = line.trimmed();
      const qsizetype colon = trimmed.indexOf(':');
      if (colon > 0) http.setHeader(trimmed.left(colon), trimmed.mid(colon + 1).trimmed());
    }
    http.setPostData(QByteArray::fromStdString(request.body));
  }
  web_view_->load(http);
}

bool ZelvoToolView::NavigateToOwnPage(const std::string& name) {
  const QString page = QStringLiteral(":/pages/") + QString::fromStdString(name) + ".html";
  if (!QFile::exists(page)) return false;
  web_view_->load(QUrl(QStringLiteral("qrc") + page));
  return true;
}

void ZelvoToolView::NavigateToFile(const std::string& path) {
  web_view_->load(QUrl::fromLocalFile(QString::fromStdString(path)));
}

std::string ZelvoToolView::WriteReportFile(std::u16string_view page) {
  return zelvo::WriteReportFile(page);
}

void ZelvoToolView::Print() {
  // Printing waits for the request that asked for it to be handled.
  QTimer::singleShot(0, this, [this] {
    if (printer_) return;  // one print job at a time
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
      printer_.reset();
      return;
    }
    web_view_->print(printer_.get());
  });
}

void ZelvoToolView::HandToSystem(std::u16string_view address) {
  QDesktopServices::openUrl(QUrl(zelvo::ToQString(address)));
}

void ZelvoToolView::PostClose() { QTimer::singleShot(0, this, &ZelvoToolView::CloseRequested); }

void ZelvoToolView::StartCloseTimer(int milliseconds) { close_timer_.start(milliseconds); }

void ZelvoToolView::DebugOutput(std::string_view line) {
  qDebug().noquote() << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

void ZelvoToolView::GoBack() { web_view_->back(); }
void ZelvoToolView::GoForward() { web_view_->forward(); }
