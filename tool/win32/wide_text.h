// Between the tool core's UTF-16 text and the wide text of the system calls,
// which on Windows is UTF-16 too.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

}  // namespace zelvo
