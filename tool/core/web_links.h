// Web links: the pages of the maker's web site that LINK and the Go To menu
// open, as requests with the form fields: a multipart POST, or in get mode a
// query.
#pragma once

#include <optional>
#include <string>

#include "engine/platform/platform.h"
#include "tool/core/form_fields.h"

namespace zelvo {

// What the view is to load: an address, and for a POST the extra header and
// the body bytes.
struct WebRequest {
  std::string address;
  std::string extra_header;  // "Name: value" lines, each ending in CR LF
  std::string body;          // empty: a plain GET
  bool operator==(const WebRequest&) const = default;
};

enum class MenuTarget { kProductInfo, kSupport, kWebboard, kHomePage };

// "http://" and the maker's host: $ZELVO_WEB_HOST (host and optional port)
// when set, else the host the tool was built with.
std::string WebSiteBase();

// The address that a `url` value of LINK names: a path on the maker's site,
// the value itself when it holds "http", or nothing for a local page.
std::optional<std::string> LinkAddress(std::u16string_view url, bool alternative_links);

// The address of a Go To item, in the standard or the alternative link set.
std::string MenuTargetAddress(MenuTarget target, bool alternative_links);

// The name of the tool's own page that a `url` naming no web target asks
// for ("start" when empty, lower-cased); nothing when it cannot name a page.
std::optional<std::string> LocalPageName(std::u16string_view url);

// The request that opens `address` with the fields: `in_query` (the
// "ZelvoHttpGet" switch) a GET of the query address, else a multipart POST whose body is in the
// host's character set (as every other text of Zelvo).
WebRequest FormRequest(const std::string& address, const FormFields& fields, bool in_query,
                       Platform* platform);

}  // namespace zelvo
