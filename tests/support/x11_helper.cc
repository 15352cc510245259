// x11-helper: the other side of the tool's window tests, on an X display.
//   x11-helper window WIDTH HEIGHT TITLE   shows a window, prints its id, and
//                                          keeps it until killed
//   x11-helper find TEXT                   prints the id, geometry and state
//                                          of the top-level window whose
//                                          title holds TEXT: "ID X Y W H
//                                          maximized|normal TITLE"
//   x11-helper close ID                    asks the window to close
//                                          (WM_DELETE_WINDOW)
#include <xcb/xcb.h>

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 4096), nullptr);
  std::string value;
  if (reply)
    value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                 xcb_get_property_value_length(reply));
  std::free(reply);
  return value;
}

int ShowWindow(xcb_connection_t* c, xcb_screen_t* screen, int width, int height,
               const char* title) {
  const xcb_window_t window = xcb_generate_id(c);
  const uint32_t values[] = {screen->white_pixel};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 100, 100, width, height, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, values);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      std::strlen(title), title);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_NAME"),
                      Atom(c, "UTF8_STRING"), 8, std::strlen(title), title);
  xcb_map_window(c, window);
  // A round trip: the server has made the window, with its title, before
  // anyone hears of it.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  std::printf("%u\n", window);
  std::fflush(stdout);
  while (true) pause();
}

// Looks through the whole tree, since a window manager puts each top-level
// window inside a frame of its own; prints the client window.
int Find(xcb_connection_t* c, xcb_screen_t* screen, xcb_window_t parent, const char* text) {
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr);
  if (!tree) return 1;
  const xcb_window_t* children = xcb_query_tree_children(tree);
  const xcb_atom_t net_name = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
  const xcb_atom_t state = Atom(c, "_NET_WM_STATE"),
                   maximized = Atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
  int found = 1;
  for (int i = 0; i < xcb_query_tree_children_length(tree) && found != 0; ++i) {
    const std::string title = Property(c, children[i], net_name, utf8);
    if (title.find(text) == std::string::npos) {
      found = Find(c, screen, children[i], text);
      continue;
    }
    xcb_get_geometry_reply_t* g =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, children[i]), nullptr);
    xcb_translate_coordinates_reply_t* origin = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, children[i], screen->root, 0, 0), nullptr);
    if (!g || !origin) continue;
    const std::string states = Property(c, children[i], state, XCB_ATOM_ATOM);
    bool is_maximized = false;
    for (size_t k = 0; k + 4 <= states.size(); k += 4) {
      xcb_atom_t atom;
      std::memcpy(&atom, states.data() + k, 4);
      is_maximized = is_maximized || atom == maximized;
    }
    std::printf("%u %d %d %d %d %s %s\n", children[i], origin->dst_x, origin->dst_y, g->width,
                g->height, is_maximized ? "maximized" : "normal", title.c_str());
    std::free(g);
    std::free(origin);
    found = 0;
  }
  std::free(tree);
  return found;
}

int Close(xcb_connection_t* c, xcb_window_t window) {
  xcb_client_message_event_t event = {};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = Atom(c, "WM_PROTOCOLS");
  event.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return 2;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const std::string verb = argc > 1 ? argv[1] : "";
  if (verb == "window" && argc == 5)
    return ShowWindow(c, screen, std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
  if (verb == "find" && argc == 3) return Find(c, screen, screen->root, argv[2]);
  if (verb == "close" && argc == 3)
    return Close(c, static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 10)));
  std::fprintf(stderr, "usage: x11-helper window W H TITLE | find TEXT | close ID\n");
  return 2;
}
