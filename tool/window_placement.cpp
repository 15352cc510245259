#include "tool/window_placement.h"

#include <QtEndian>

namespace zelvo {

PlacementNames PlacementEntryNames(const std::optional<QString>& parent_title) {
  if (!parent_title) return {QStringLiteral("Rect"), QStringLiteral("Maximized")};
  const qsizetype hyphen = parent_title->indexOf(QLatin1Char('-'));
  const QString prefix = hyphen < 0 ? *parent_title : parent_title->left(hyphen);
  return {prefix + QStringLiteral("-Rect"), prefix + QStringLiteral("-Maximized")};
}

QByteArray EncodePlacementRect(const QRect& rect) {
  QByteArray bytes(16, '\0');
  const qint32 fields[] = {rect.left(), rect.top(), rect.left() + rect.width(),
                           rect.top() + rect.height()};
  for (int i = 0; i < 4; ++i) qToLittleEndian<qint32>(fields[i], bytes.data() + 4 * i);
  return bytes;
}

std::optional<QRect> DecodePlacementRect(const QByteArray& bytes) {
  if (bytes.size() != 16) return std::nullopt;
  qint32 fields[4];
  for (int i = 0; i < 4; ++i) fields[i] = qFromLittleEndian<qint32>(bytes.constData() + 4 * i);
  const QRect rect(QPoint(fields[0], fields[1]),
                   QSize(fields[2] - fields[0], fields[3] - fields[1]));
  if (rect.width() <= 0 || rect.height() <= 0) return std::nullopt;
  return rect;
}

QRect DefaultPlacement(const QRect& screen, const std::optional<ParentWindowInfo>& parent) {
  const QSize size(std::min(1000, screen.width()), std::min(900, screen.height()));
  QRect placement(QPoint(0, 0), size);
  placement.moveCenter(screen.center());
  if (parent && parent->visible && !parent->minimized && parent->frame.width() > 600 &&
      parent->frame.height() > 400) {
    const QPoint centre =
        parent->frame.topLeft() + QPoint(parent->frame.width() / 2, parent->frame.height() / 2);
    placement.moveTopLeft(centre - QPoint(size.width() / 2, size.height() / 2));
  }
  return placement;
}

}  // namespace zelvo
