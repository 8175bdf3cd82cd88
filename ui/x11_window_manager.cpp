#include "ui/x11_window_manager.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace ui {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(name), name),
                            nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QByteArray property(xcb_connection_t* connection, xcb_window_t window, const char* name,
                    xcb_atom_t type) {
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, atom(connection, name), type, 0, 64),
          nullptr),
      &std::free);
  if (!reply) return {};
  return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    xcb_get_property_value_length(reply.get()));
}

}  // namespace

bool onWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The manager names a window of its own on the root window, and itself on it.
QString x11WindowManagerName() {
  // Other platforms (offscreen) may offer the interface with no connection.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (QGuiApplication::platformName() != QStringLiteral("xcb") || !connection) return {};
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const QByteArray check = property(connection, root, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW);
  if (check.size() != sizeof(xcb_window_t)) return {};
  xcb_window_t manager = 0;
  std::memcpy(&manager, check.constData(), sizeof manager);
  return QString::fromUtf8(
      property(connection, manager, "_NET_WM_NAME", atom(connection, "UTF8_STRING")));
}

// Openbox offers no minimise to a torn-off toolbar: the window says it is one
// first, then what it is as before. (Others, Mutter for one, give a toolbar
// no title bar.)
void offerOnlyCloseUnderOpenbox(QWidget& dialog) {
  if (x11WindowManagerName() != QStringLiteral("Openbox")) return;
  dialog.winId();  // its native window, made now
  QWindow* native = dialog.windowHandle();
  native->setProperty("_q_xcb_wm_window_type", 0x8);                    // Qt's code for a toolbar
  native->setFlags(native->flags() ^ Qt::WindowContextHelpButtonHint);  // writes it
  native->setFlags(native->flags() ^ Qt::WindowContextHelpButtonHint);
}

}  // namespace ui
