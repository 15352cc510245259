// Web links: the pages of the maker's web site that LINK and the Go To menu
// open, sent the form fields as a multipart POST (or, in get mode, a query).
#pragma once

#include <QString>
#include <optional>
#include <string>

class ZelvoToolView;

namespace zelvo {

class ZelvoToolApp;

enum class MenuTarget { kProductInfo, kSupport, kWebboard, kHomePage };

// "http://" and the maker's host: $ZELVO_WEB_HOST (host and optional port)
// when set, else the host the tool was built with.
QString WebSiteBase();

// The address that a `url` value of LINK names: a path on the maker's site,
// the value itself when it holds "http", or nothing for a local page.
std::optional<QString> LinkAddress(std::u16string_view url, bool alternative_links);

// The page of the tool's own for a `url` that names no web target; nothing
// when the tool has no such page.
std::optional<QString> LocalPage(std::u16string_view url);

// The view's first page for LINK.
void OpenLink(ZelvoToolApp* app, ZelvoToolView* view);

// A Go To item: with the form fields in the standard link set, plainly in the
// alternative one.
void OpenMenuTarget(ZelvoToolApp* app, ZelvoToolView* view, MenuTarget target);

}  // namespace zelvo
