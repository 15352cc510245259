#include "tool/core/window_placement.h"

#include <algorithm>

#include "engine/coding.h"
#include "engine/names.h"

namespace zelvo {

PlacementNames PlacementEntryNames(const std::optional<std::u16string>& parent_title) {
  if (!parent_title) return {u"Rect", u"Maximized"};
  const std::u16string prefix = parent_title->substr(0, parent_title->find(u'-'));
  return {prefix + u"-Rect", prefix + u"-Maximized"};
}

std::string EncodePlacementRect(const Rect& rect) {
  uint8_t bytes[16];
  const int32_t fields[] = {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
  for (int i = 0; i < 4; ++i) EncodeFixed32(bytes + 4 * i, static_cast<uint32_t>(fields[i]));
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

std::optional<Rect> DecodePlacementRect(std::string_view bytes) {
  if (bytes.size() != 16) return std::nullopt;
  int32_t fields[4];
  for (int i = 0; i < 4; ++i) {
    fields[i] = static_cast<int32_t>(
        DecodeFixed32(reinterpret_cast<const uint8_t*>(bytes.data()) + 4 * static_cast<size_t>(i)));
  }
  const Rect rect{fields[0], fields[1], fields[2] - fields[0], fields[3] - fields[1]};
  if (rect.width <= 0 || rect.height <= 0) return std::nullopt;
  return rect;
}

Rect DefaultPlacement(const Rect& screen, const std::optional<ParentWindowInfo>& parent) {
  const int32_t width = std::min(1000, screen.width);
  const int32_t height = std::min(900, screen.height);
  // The centre pixel of a rectangle whose last pixel is left + width - 1.
  const auto centre = [](int32_t first, int32_t size) {
    return static_cast<int32_t>((int64_t{first} + first + size - 1) / 2);
  };
  Rect placement{centre(screen.left, screen.width) - (width - 1) / 2,
                 centre(screen.top, screen.height) - (height - 1) / 2, width, height};
  if (parent && parent->visible && !parent->minimized && parent->frame.width > 600 &&
      parent->frame.height > 400) {
    placement.left = parent->frame.left + parent->frame.width / 2 - width / 2;
    placement.top = parent->frame.top + parent->frame.height / 2 - height / 2;
  }
  return placement;
}

std::u16string FrameTitle(std::u16string_view product, std::u16string_view page_title) {
  return std::u16string(product.empty() ? kCompanyName.wide : product) + u"    (" +
         std::u16string(page_title) + u")";
}

}  // namespace zelvo
