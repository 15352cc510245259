// The information report on Linux: the page written as UTF-8 to a new file
// in the temporary folder.
#pragma once

#include <string>

namespace zelvo {

// Creates <temp>/ZelXXXXXX.html in one exclusive step with the page; empty
// when no file could be made.
std::string WriteReportFile(std::u16string_view page);

}  // namespace zelvo
