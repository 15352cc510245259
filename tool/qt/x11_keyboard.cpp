#include "tool/qt/x11_keyboard.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

namespace zelvo {

std::optional<LockKeys> QueryLockKeys() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr) return std::nullopt;
  xcb_connection_t* connection = x11->connection();
  xcb_get_keyboard_control_reply_t* reply =
      xcb_get_keyboard_control_reply(connection, xcb_get_keyboard_control(connection), nullptr);
  if (reply == nullptr) return std::nullopt;
  // The core protocol's lights: 1 Caps Lock, 2 Num Lock, 3 Scroll Lock.
  const LockKeys keys{(reply->led_mask & 1u) != 0, (reply->led_mask & 2u) != 0,
                      (reply->led_mask & 4u) != 0};
  std::free(reply);
  return keys;
}

}  // namespace zelvo
