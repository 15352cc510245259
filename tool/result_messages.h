// The texts under which the tool reports result codes, in the language of the
// loaded translation.
#pragma once

#include <QString>

namespace zelvo {

// The translated text of a result code; empty for a code without one.
QString ResultMessage(int code);

}  // namespace zelvo
