#include "tool/qt/zelvo_tool_view.h"

#include <QAction>
#include <QDebug>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineHttpRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <QFile>

#include "tool/core/tool_run.h"
#include "tool/qt/report_file.h"
#include "tool/qt/zelvo_tool_doc.h"
#include "tool/qt/zelvo_tool_page.h"

ZelvoToolView::ZelvoToolView(zelvo::ToolRun* run, ZelvoToolDoc* doc, QWidget* parent)
    : QWidget(parent),
      run_(run),
      doc_(doc),
      web_view_(new QWebEngineView(this)),
      page_(new ZelvoToolPage(run, web_view_)) {
  web_view_->setPage(page_);
  // The tool's pages say nothing of their encoding; they are UTF-8.
  page_->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(web_view_);

  connect(page_, &QWebEnginePage::titleChanged, doc_, &ZelvoToolDoc::SetTitle);
  connect(page_, &QWebEnginePage::linkHovered, this, &ZelvoToolView::StatusTextChanged);
  connect(page_, &QWebEnginePage::loadFinished, this, &ZelvoToolView::OnLoadFinished);
  connect(page_, &QWebEnginePage::windowCloseRequested, this, &ZelvoToolView::CloseRequested);
  connect(page_, &ZelvoToolPage::CloseRequested, this, &ZelvoToolView::CloseRequested);
  connect(page_, &ZelvoToolPage::PrintRequested, this, &ZelvoToolView::Print);
  for (QWebEnginePage::WebAction action : {QWebEnginePage::Back, QWebEnginePage::Forward}) {
    connect(page_->action(action), &QAction::changed, this, &ZelvoToolView::HistoryChanged);
  }
  // The printer must live until the page has been printed.
  connect(web_view_, &QWebEngineView::printFinished, this, [this] { printer_.reset(); });
  close_timer_.setSingleShot(true);
  connect(&close_timer_, &QTimer::timeout, this, &ZelvoToolView::CloseRequested);
}

ZelvoToolView::~ZelvoToolView() = default;

void ZelvoToolView::InitialUpdate() {
  if (run_->command() == u"LINK") {
    Show(run_->LinkDestination());
  } else {
    ShowReport();
  }
}

void ZelvoToolView::OpenMenuTarget(zelvo::MenuTarget target) {
  Show(run_->MenuDestination(target));
}

void ZelvoToolView::Show(const zelvo::Destination& destination) {
  using Kind = zelvo::Destination::Kind;
  if (destination.kind == Kind::kWeb) {
    const zelvo::WebRequest& request = destination.request;
    // An address that carries the fields shows on the debug channel.
    if (request.body.empty() && run_->fields_in_query())
      qDebug().noquote() << request.address.c_str();
    Navigate(QUrl(QString::fromStdString(request.address)),
             QByteArray::fromStdString(request.extra_header),
             QByteArray::fromStdString(request.body));
    return;
  }
  if (destination.kind == Kind::kLocalPage) {
    const QString page =
        QStringLiteral(":/pages/") + QString::fromStdString(destination.local_page) + ".html";
    if (QFile::exists(page)) {
      Navigate(QUrl(QStringLiteral("qrc") + page));
      return;
    }
  }
  QTimer::singleShot(0, this, &ZelvoToolView::CloseRequested);
}

void ZelvoToolView::ShowReport() {
  // A file that cannot be made leaves the window empty.
  const QString path = zelvo::WriteReportFile(run_->ReportPageBytes());
  if (path.isEmpty()) return;
  run_->AddTemporaryFile(path.toStdString());
  Navigate(QUrl::fromLocalFile(path));
}

void ZelvoToolView::Navigate(const QUrl& url, const QByteArray& header, const QByteArray& body) {
  QWebEngineHttpRequest request(url);
  if (!body.isEmpty() || !header.isEmpty()) {
    request.setMethod(QWebEngineHttpRequest::Post);
    // The header text is "Name: value" lines, as written by the form code.
    for (const QByteArray& line : header.split('\n')) {
      const QByteArray trimmed = line.trimmed();
      const qsizetype colon = trimmed.indexOf(':');
      if (colon > 0) request.setHeader(trimmed.left(colon), trimmed.mid(colon + 1).trimmed());
    }
    request.setPostData(body);
  }
  web_view_->load(request);
}

void ZelvoToolView::Print() {
  if (printer_) return;  // one print job at a time
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) {
    printer_.reset();
    return;
  }
  web_view_->print(printer_.get());
}

void ZelvoToolView::GoBack() { web_view_->back(); }
void ZelvoToolView::GoForward() { web_view_->forward(); }
bool ZelvoToolView::CanGoBack() const { return page_->action(QWebEnginePage::Back)->isEnabled(); }
bool ZelvoToolView::CanGoForward() const {
  return page_->action(QWebEnginePage::Forward)->isEnabled();
}

void ZelvoToolView::StartCloseTimer(int milliseconds) { close_timer_.start(milliseconds); }

void ZelvoToolView::OnLoadFinished(bool ok) {
  // A failed load shows the engine's own error page.
  if (ok) PageLoaded();
  run_->set_navigating(false);
}

void ZelvoToolView::PageLoaded() {
  switch (run_->PageLoaded()) {
    case zelvo::ToolRun::AfterLoad::kStay:
      break;
    case zelvo::ToolRun::AfterLoad::kCloseLater:
      StartCloseTimer(zelvo::ToolRun::kSilentCloseMilliseconds);
      break;
    case zelvo::ToolRun::AfterLoad::kCloseNow:
      emit CloseRequested();
      break;
  }
}
