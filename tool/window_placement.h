// Where the main window opens: the placement it had when it was last closed
// (kept per calling application), or a default size centred on the screen or
// on the caller's window.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <optional>

namespace zelvo {

// The profile entries of the placement, in the group "MainWnd": "Rect" and
// "Maximized", or with a caller's window, its title up to its first "-"
// followed by "-Rect" and "-Maximized".
struct PlacementNames {
  QString rect;
  QString maximized;
};
PlacementNames PlacementEntryNames(const std::optional<QString>& parent_title);

// The rectangle as 16 bytes: left, top, right, bottom, 32-bit little-endian,
// right and bottom exclusive.
QByteArray EncodePlacementRect(const QRect& rect);
std::optional<QRect> DecodePlacementRect(const QByteArray& bytes);

// What is known of the caller's window.
struct ParentWindowInfo {
  QString title;
  QRect frame;  // its window rectangle
  bool visible = false;
  bool minimized = false;
};

// 1000 by 900 at most the screen, centred on the screen, or on the caller's
// window when that is visible, not minimised and larger than 600 by 400.
QRect DefaultPlacement(const QRect& screen, const std::optional<ParentWindowInfo>& parent);

}  // namespace zelvo
