#include "tool/result_messages.h"

#include <QCoreApplication>

#include "engine/result_code.h"

namespace zelvo {

QString ResultMessage(int code) {
  const char* text = ResultText(code);
  // The engine's English texts are the source texts of the translations
  // (context "ResultText" in the .ts files).
  return *text == '\0' ? QString() : QCoreApplication::translate("ResultText", text);
}

}  // namespace zelvo
