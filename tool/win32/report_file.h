// The information report on Windows: the page in the system's ANSI code
// page, written to a new file in the user's temporary folder.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

// The text in the ANSI code page, each character the code page lacks
// written as an HTML numeric character reference ("&#321;").
std::string AnsiWithCharacterReferences(std::u16string_view text);

// Creates "Zel<unique>.html" in the temporary folder, exclusively, with the
// page; its path (UTF-8), or empty when no file could be written.
std::string WriteReportFile(std::u16string_view page);

}  // namespace zelvo
