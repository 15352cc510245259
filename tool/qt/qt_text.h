// Between the tool core's values and Qt's: texts and rectangles.
#pragma once

#include <QRect>
#include <QString>
#include <string>

#include "tool/core/window_placement.h"

namespace zelvo {

inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

inline QRect ToQRect(const Rect& rect) {
  return QRect(rect.left, rect.top, rect.width, rect.height);
}

inline Rect FromQRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace zelvo
