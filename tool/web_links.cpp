#include "tool/web_links.h"

#include <QDebug>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include "engine/result_code.h"
#include "engine/text.h"
#include "tool/form_fields.h"
#include "tool/zelvo_tool_app.h"
#include "tool/zelvo_tool_view.h"

#ifndef ZELVO_WEB_HOST
#define ZELVO_WEB_HOST "www.orvane-systems.example"
#endif

namespace zelvo {
namespace {

struct LinkRow {
  std::u16string_view url;
  const char* standard_path;
  const char* alternative_path;
};

// `url` values, compared ignoring case, in this order.
constexpr LinkRow kLinkRows[] = {
    {u"support", "/MenuSupport.asp", "/support"},
    {u"webboard", "/webboard", "/forums"},
    {u"product", "/ProductPage.asp", "/products"},
};

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Opens an address with the form fields: a multipart POST, or in get mode the
// fields appended as a query.
void OpenWithForm(ZelvoToolApp* app, ZelvoToolView* view, const QString& address) {
  UserProfile profile;
  // A profile that cannot be read sends its defaults.
  profile.Load(app->engine().platform(),
               app->engine().data_folder().FilePath(kUserProfileFileName));
  const FormFields fields = BuildFormFields(app->parameters(), profile, app->silent(),
                                            ToolVersion{ZELVO_VERSION_MAJOR, ZELVO_VERSION_MINOR});
  if (app->get_mode()) {
    const QString query = QueryAddress(address, fields);
    qDebug().noquote() << query;
    view->Navigate(QUrl(query));
    return;
  }
  // The body goes in the host's character set, as every other text of Zelvo.
  const std::string body = app->engine().platform()->WideToAnsi(MultipartBody(fields), SIZE_MAX);
  view->Navigate(QUrl(address), QByteArray(kMultipartHeader), QByteArray::fromStdString(body));
}

void CloseSoon(ZelvoToolView* view) { QTimer::singleShot(0, view, &ZelvoToolView::CloseRequested); }

}  // namespace

QString WebSiteBase() {
  const QByteArray host = qgetenv("ZELVO_WEB_HOST");
  return QStringLiteral("http://") +
         (host.isEmpty() ? QStringLiteral(ZELVO_WEB_HOST) : QString::fromUtf8(host));
}

std::optional<QString> LinkAddress(std::u16string_view url, bool alternative_links) {
  for (const LinkRow& row : kLinkRows) {
    if (AsciiEqualIgnoreCase(url, row.url)) {
      return WebSiteBase() +
             QLatin1String(alternative_links ? row.alternative_path : row.standard_path);
    }
  }
  if (url.find(u"http") != std::u16string_view::npos) return ToQString(url);
  return std::nullopt;
}

std::optional<QString> LocalPage(std::u16string_view url) {
  const QString name = url.empty() ? QStringLiteral("start") : ToQString(AsciiLower(url));
  for (QChar c : name) {
    if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_'))
      return std::nullopt;
  }
  const QString page = QStringLiteral(":/pages/") + name + QStringLiteral(".html");
  if (!QFile::exists(page)) return std::nullopt;
  return QStringLiteral("qrc") + page;
}

void OpenLink(ZelvoToolApp* app, ZelvoToolView* view) {
  try {
    const std::u16string url = app->Parameter(u"url");
    if (const std::optional<QString> address = LinkAddress(url, app->alternative_links())) {
      OpenWithForm(app, view, *address);
    } else if (const std::optional<QString> page = LocalPage(url)) {
      // The tool's own pages take no form.
      view->Navigate(QUrl(*page));
    } else {
      CloseSoon(view);
    }
  } catch (...) {
    app->set_result(result::kUnknownError);
    CloseSoon(view);
  }
}

void OpenMenuTarget(ZelvoToolApp* app, ZelvoToolView* view, MenuTarget target) {
  const char* path = "/default.aspx";
  switch (target) {
    case MenuTarget::kProductInfo:
      path = "/products.aspx";
      break;
    case MenuTarget::kSupport:
      path = "/support.aspx";
      break;
    case MenuTarget::kWebboard:
      path = app->alternative_links() ? "/forums" : "/support.aspx";
      break;
    case MenuTarget::kHomePage:
      break;
  }
  const QString address = WebSiteBase() + QLatin1String(path);
  try {
    if (app->alternative_links()) {
      view->Navigate(QUrl(address));
    } else {
      OpenWithForm(app, view, address);
    }
  } catch (...) {
    app->set_result(result::kUnknownError);
    CloseSoon(view);
  }
}

}  // namespace zelvo
