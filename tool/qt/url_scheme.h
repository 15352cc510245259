// The "zvm" URL scheme: a per-user desktop entry that hands zvm: links to the
// tool, made the scheme's default handler. Written only when no handler is
// registered at all, so that an installed system entry is all there is.
#pragma once

#include <QString>

namespace zelvo {

// Registers `tool_path` (absolute) as the handler of zvm: links, unless any
// handler is registered. Failures are ignored.
void RegisterUrlScheme(const QString& tool_path);

}  // namespace zelvo
