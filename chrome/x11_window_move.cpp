#include "chrome/x11_window_move.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
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

struct MoveTarget {
  xcb_connection_t* connection;
  xcb_window_t window, root;
  xcb_atom_t moveResize;

  void send(int x, int y, uint32_t action) const {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = moveResize;
    message.data.data32[0] = x;
    message.data.data32[1] = y;
    message.data.data32[2] = action;
    message.data.data32[3] = kLeftButton;
    message.data.data32[4] = kNormalApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
  }
  bool leftButtonHeld() const {
    const auto pointer =
        own(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
    return pointer && (pointer->mask & XCB_BUTTON_MASK_1);
  }
};

// Between this program letting the pointer go and the manager taking it, the
// button may come up. A button event that still reaches the program shows the
// manager has not got the pointer, so whatever move it begins is late and is
// cancelled (a manager whose move has ended ignores that). A release that went
// elsewhere is found by asking the X server, often enough that a stray move is
// dropped before the eye sees it; the answer may come before a release that
// did reach the window, so that release is let in first.
class LateMoveGuard : public QObject {
 public:
  LateMoveGuard(QWindow* window, MoveTarget target, std::function<void(QPointF)> releasedLate,
                std::function<void()> ended)
      : QObject(window),
        target_(target),
        releasedLate_(std::move(releasedLate)),
        ended_(std::move(ended)) {
    qApp->installEventFilter(this);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this, window, poll] {
      if (target_.leftButtonHeld()) return;
      poll->stop();
      afterPendingEvents(window, [guard = QPointer(this)] {
        if (guard && !guard->done_) guard->finish();
      });
    });
    poll->start(20);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto type = event->type();
    if (done_ || !watched->isWindowType() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease))
      return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    finish();
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
      releasedLate_(mouse->globalPosition());
    return false;
  }

 private:
  void finish() {
    done_ = true;
    target_.send(0, 0, kCancel);
    deleteLater();
    ended_();
  }

  MoveTarget target_;
  std::function<void(QPointF)> releasedLate_;
  std::function<void()> ended_;
  bool done_ = false;
};

// A message the program sends itself: the X server puts it behind every
// event it has sent so far. Qt hands on the input events that came before it
// once it has read them all, so a queued call made on its arrival runs after.
class DeliveryMarker : public QObject, public QAbstractNativeEventFilter {
 public:
  DeliveryMarker(QWindow* window, xcb_connection_t* connection, std::function<void()> then)
      : QObject(window), then_(std::move(then)) {
    static uint32_t sent = 0;
    serial_ = ++sent;
    type_ = atom(connection, "_CALDORINE_EVENTS_DELIVERED");
    qApp->installNativeEventFilter(this);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window->winId();
    message.type = type_;
    message.data.data32[0] = serial_;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
  }
  ~DeliveryMarker() override { qApp->removeNativeEventFilter(this); }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<xcb_client_message_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE || event->type != type_ ||
        event->data.data32[0] != serial_)
      return false;
    QMetaObject::invokeMethod(
        this,
        [this] {
          then_();
          deleteLater();
        },
        Qt::QueuedConnection);
    return true;
  }

 private:
  std::function<void()> then_;
  xcb_atom_t type_;
  uint32_t serial_;
};

}  // namespace

bool afterPendingEvents(QWindow* window, std::function<void()> then) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return false;
  new DeliveryMarker(window, x11->connection(), std::move(then));
  return true;
}

bool startWindowManagerMove(QWindow* window, QPointF pressedAt,
                            std::function<void(QPointF)> releasedLate,
                            std::function<void()> ended) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return false;
  xcb_connection_t* connection = x11->connection();
  const xcb_window_t id = window->winId();
  const auto pointer =
      own(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, id), nullptr));
  // Already released: the manager would take the next press into its move.
  if (!pointer || !(pointer->mask & XCB_BUTTON_MASK_1)) return false;
  const MoveTarget target{connection, id, pointer->root, atom(connection, "_NET_WM_MOVERESIZE")};
  if (!managerMoves(connection, target.root, target.moveResize)) return false;
  // The X server counts device pixels; the window has not moved since the press.
  const double ratio = window->devicePixelRatio();
  const int x = pointer->root_x - pointer->win_x + int(std::lround(pressedAt.x() * ratio));
  const int y = pointer->root_y - pointer->win_y + int(std::lround(pressedAt.y() * ratio));
  // The manager can take the pointer only once this program lets it go.
  xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
  target.send(x, y, kMove);
  new LateMoveGuard(window, target, std::move(releasedLate), std::move(ended));
  return true;
}

}  // namespace chrome
