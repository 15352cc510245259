// Where the main window opens: the placement it had when it was last closed
// (kept per calling application), or a default size centred on the screen or
// on the caller's window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelvo {

// A rectangle on the screen, in pixels.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const Rect&) const = default;
};

// The profile entries of the placement, in the group "MainWnd": "Rect" and
// "Maximized", or with a caller's window, its title up to its first "-"
// followed by "-Rect" and "-Maximized".
struct PlacementNames {
  std::u16string rect;
  std::u16string maximized;
};
PlacementNames PlacementEntryNames(const std::optional<std::u16string>& parent_title);

// The rectangle as 16 bytes: left, top, right, bottom, 32-bit little-endian,
// right and bottom exclusive.
std::string EncodePlacementRect(const Rect& rect);
std::optional<Rect> DecodePlacementRect(std::string_view bytes);

// What is known of the caller's window.
struct ParentWindowInfo {
  std::u16string title;
  Rect frame;  // its window rectangle
  bool visible = false;
  bool minimized = false;
};

// 1000 by 900 at most the screen, centred on the screen, or on the caller's
// window when that is visible, not minimised and larger than 600 by 400.
Rect DefaultPlacement(const Rect& screen, const std::optional<ParentWindowInfo>& parent);

// The main window's title: the `prodname` (or the company's name when it is
// empty), then the page's title in brackets.
std::u16string FrameTitle(std::u16string_view product, std::u16string_view page_title);

}  // namespace zelvo
