#include "tool/zelvo_tool_view.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineHttpRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "engine/result_code.h"
#include "tool/info_report.h"
#include "tool/web_links.h"
#include "tool/zelvo_tool_app.h"
#include "tool/zelvo_tool_doc.h"
#include "tool/zelvo_tool_page.h"

ZelvoToolView::ZelvoToolView(zelvo::ZelvoToolApp* app, ZelvoToolDoc* doc, QWidget* parent)
    : QWidget(parent),
      app_(app),
      doc_(doc),
      web_view_(new QWebEngineView(this)),
      page_(new ZelvoToolPage(app, web_view_)) {
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
  if (app_->command() == u"LINK") {
    zelvo::OpenLink(app_, this);
  } else {
    zelvo::ShowReport(app_, this);
  }
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
  app_->set_navigating(false);
}

void ZelvoToolView::PageLoaded() {
  try {
    const bool silent = app_->silent() != 0;
    app_->set_silent(silent ? 1 : 0);
    if (silent && app_->result() == zelvo::result::kSuccess) StartCloseTimer(3000);
  } catch (...) {
    app_->set_result(zelvo::result::kUnknownError);
    emit CloseRequested();
  }
}
