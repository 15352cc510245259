#include "tool/qt/x11_parent.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "tool/qt/qt_text.h"

namespace zelvo {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QString TitleOf(xcb_connection_t* connection, xcb_window_t window) {
  for (const auto& [property, type] :
       {std::pair(Atom(connection, "_NET_WM_NAME"), Atom(connection, "UTF8_STRING")),
        std::pair(xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING))}) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 4096), nullptr),
        &std::free);
    if (reply && xcb_get_property_value_length(reply.get()) > 0) {
      const char* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
      const int length = xcb_get_property_value_length(reply.get());
      return type == XCB_ATOM_STRING ? QString::fromLatin1(value, length)
                                     : QString::fromUtf8(value, length);
    }
  }
  return QString();
}

bool IsMinimized(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_atom_t hidden = Atom(connection, "_NET_WM_STATE_HIDDEN");
  Reply<xcb_get_property_reply_t> state(
      xcb_get_property_reply(
          connection,
          xcb_get_property(connection, 0, window, Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM,
                           0, 64),
          nullptr),
      &std::free);
  if (state) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(state.get()));
    for (int i = 0; i < xcb_get_property_value_length(state.get()) / 4; ++i) {
      if (atoms[i] == hidden) return true;
    }
  }
  // ICCCM: WM_STATE 3 is iconic.
  const xcb_atom_t wm_state = Atom(connection, "WM_STATE");
  Reply<xcb_get_property_reply_t> iconic(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, wm_state, wm_state, 0, 2), nullptr),
      &std::free);
  return iconic && xcb_get_property_value_length(iconic.get()) >= 4 &&
         *static_cast<const uint32_t*>(xcb_get_property_value(iconic.get())) == 3;
}

}  // namespace

std::optional<ParentWindowInfo> QueryParentWindow(const QWindow* window) {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (window == nullptr || x11 == nullptr) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());

  Reply<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
  Reply<xcb_get_window_attributes_reply_t> attributes(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id),
                                      nullptr),
      &std::free);
  if (!geometry || !attributes) return std::nullopt;
  Reply<xcb_translate_coordinates_reply_t> origin(
      xcb_translate_coordinates_reply(
          connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr),
      &std::free);

  ParentWindowInfo info;
  info.title = ToU16(TitleOf(connection, id));
  info.frame = {origin ? origin->dst_x : geometry->x, origin ? origin->dst_y : geometry->y,
                geometry->width, geometry->height};
  info.visible = attributes->map_state == XCB_MAP_STATE_VIEWABLE;
  info.minimized = IsMinimized(connection, id);
  return info;
}

}  // namespace zelvo
