#include "tool/qt/zelvo_tool_doc.h"

void ZelvoToolDoc::SetTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  emit TitleChanged();
}
