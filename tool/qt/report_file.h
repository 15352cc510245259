// The information report on Linux: the core's page written to a new file in
// the temporary folder (removed at exit) and shown in the view.
#pragma once

#include <QString>
#include <string>

namespace zelvo {

// Creates <temp>/ZelXXXXXX.html in one exclusive step with the bytes; empty
// when no file could be made.
QString WriteReportFile(const std::string& bytes);

}  // namespace zelvo
