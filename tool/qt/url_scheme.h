// The "zvm" URL scheme: a desktop entry that hands zvm: links to the tool,
// made the scheme's default handler. Written only when missing.
#pragma once

#include <QString>

namespace zelvo {

// Registers `tool_path` (absolute) as the handler of zvm: links, unless a
// handler entry exists. Failures are ignored.
void RegisterUrlScheme(const QString& tool_path);

}  // namespace zelvo
