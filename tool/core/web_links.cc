#include "tool/core/web_links.h"

#include <cstdint>
#include <cstdlib>

#include "engine/text.h"

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

}  // namespace

std::string WebSiteBase() {
  const char* host = std::getenv("ZELVO_WEB_HOST");
  return std::string("http://") + (host != nullptr && *host != '\0' ? host : ZELVO_WEB_HOST);
}

std::optional<std::string> LinkAddress(std::u16string_view url, bool alternative_links) {
  for (const LinkRow& row : kLinkRows) {
    if (AsciiEqualIgnoreCase(url, row.url)) {
      return WebSiteBase() + (alternative_links ? row.alternative_path : row.standard_path);
    }
  }
  if (url.find(u"http") != std::u16string_view::npos) return Utf16ToUtf8(url);
  return std::nullopt;
}

std::string MenuTargetAddress(MenuTarget target, bool alternative_links) {
  const char* path = "/default.aspx";
  switch (target) {
    case MenuTarget::kProductInfo:
      path = "/products.aspx";
      break;
    case MenuTarget::kSupport:
      path = "/support.aspx";
      break;
    case MenuTarget::kWebboard:
      path = alternative_links ? "/forums" : "/support.aspx";
      break;
    case MenuTarget::kHomePage:
      break;
  }
  return WebSiteBase() + path;
}

std::optional<std::string> LocalPageName(std::u16string_view url) {
  if (url.empty()) return "start";
  for (char16_t c : AsciiLower(url)) {
    // Letters and digits of any script, as a file name of a page may hold.
    if (!IsLetter(c) && !IsDigit(c) && c != u'-' && c != u'_') return std::nullopt;
  }
  return Utf16ToUtf8(AsciiLower(url));
}

WebRequest FormRequest(const std::string& address, const FormFields& fields, bool in_query,
                       Platform* platform) {
  if (in_query) return {QueryAddress(address, fields), {}, {}};
  return {address, kMultipartHeader, platform->WideToAnsi(MultipartBody(fields), SIZE_MAX)};
}

}  // namespace zelvo
