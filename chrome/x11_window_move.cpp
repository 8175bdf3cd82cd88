#include "chrome/x11_window_move.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace chrome {

namespace {

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
Owned<Reply> own(Reply* reply) {
  return Owned<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const auto reply = own(xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, std::strlen(name), name), nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Whether the window manager names _NET_WM_MOVERESIZE among what it offers.
bool managerMoves(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t moveResize) {
  const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
  if (supported == XCB_ATOM_NONE || moveResize == XCB_ATOM_NONE) return false;
  const auto reply = own(xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
      nullptr));
  if (!reply || reply->format != 32) return false;
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  const int count = xcb_get_property_value_length(reply.get()) / 4;
  return std::find(atoms, atoms + count, moveResize) != atoms + count;
}

constexpr uint32_t kMove = 8, kCancel = 11, kLeftButton = 1, kNormalApplication = 1;

void sendMoveResize(xcb_connection_t* connection, xcb_window_t window, xcb_window_t root,
                    xcb_atom_t moveResize, QPoint at, uint32_t action) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = moveResize;
  message.data.data32[0] = at.x();
  message.data.data32[1] = at.y();
  message.data.data32[2] = action;
  message.data.data32[3] = kLeftButton;
  message.data.data32[4] = kNormalApplication;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

// A move the manager begins after the button was already let go (the
// release reached the window before the manager took the pointer) would
// follow a pointer with no button held. Once the X server has the left
// button up, the manager is told to drop any move it still makes; one that
// ended with the release ignores that.
void dropMoveOnRelease(QWindow* window, xcb_connection_t* connection, xcb_window_t root,
                       xcb_atom_t moveResize) {
  const QString name = QStringLiteral("windowManagerMove");
  if (window->findChild<QTimer*>(name)) return;
  auto* timer = new QTimer(window);
  timer->setObjectName(name);
  // Often enough that a stray move is dropped before the eye sees it.
  timer->setInterval(50);
  const xcb_window_t id = window->winId();
  QObject::connect(timer, &QTimer::timeout, timer, [=] {
    const auto pointer =
        own(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, id), nullptr));
    if (pointer && (pointer->mask & XCB_BUTTON_MASK_1)) return;
    sendMoveResize(connection, id, root, moveResize, QPoint(), kCancel);
    timer->deleteLater();
  });
  timer->start();
}

}  // namespace

bool startWindowManagerMove(QWindow* window, QPoint travel) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return false;
  xcb_connection_t* connection = x11->connection();
  const xcb_window_t id = window->winId();
  const auto pointer =
      own(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, id), nullptr));
  if (!pointer) return false;
  const xcb_atom_t moveResize = atom(connection, "_NET_WM_MOVERESIZE");
  if (!managerMoves(connection, pointer->root, moveResize)) return false;
  // The X server counts device pixels.
  const QPoint pressedAt =
      QPoint(pointer->root_x, pointer->root_y) - travel * window->devicePixelRatio();
  // The manager can take the pointer only once this program lets it go.
  xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
  sendMoveResize(connection, id, pointer->root, moveResize, pressedAt, kMove);
  dropMoveOnRelease(window, connection, pointer->root, moveResize);
  return true;
}

}  // namespace chrome
