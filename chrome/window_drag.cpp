#include "chrome/window_drag.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include "chrome/on_screen.h"
#include "chrome/x11_window_move.h"

namespace chrome {

WindowDrag::WindowDrag(QWidget* window, QRect reachable)
    : QObject(window), window_(window), reachable_(reachable) {
  window->installEventFilter(this);
}

// Only watches: nothing else in the window handles its own mouse events.
bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      press(static_cast<QMouseEvent*>(event));
      break;
    case QEvent::MouseMove:
      move(static_cast<QMouseEvent*>(event));
      break;
    case QEvent::MouseButtonRelease:
      release(static_cast<QMouseEvent*>(event));
      break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
      // The release may go elsewhere now; never keep following without it.
      stage_ = Stage::Idle;
      break;
    case QEvent::Move:
      // A move in steps is over only when its button comes up.
      if (stage_ != Stage::FollowingPointer && !managerMoving_) keepInReach(window_, reachable_);
      break;
    default:
      break;
  }
  return false;
}

void WindowDrag::press(QMouseEvent* event) {
  // A second button during a drag belongs to the drag. Labels and frames
  // pass their presses on to the window; only a press on no control at all
  // is a press on the surface.
  if (stage_ != Stage::Idle || window_->childAt(event->position().toPoint()) != nullptr) return;
  stage_ = Stage::Pressed;
  ++drags_;
  button_ = event->button();
  pressedAt_ = event->globalPosition();
  pressedInWindow_ = event->position();
  windowAt_ = window_->pos();
}

void WindowDrag::move(QMouseEvent* event) {
  if (stage_ == Stage::Idle) return;
  // Its release went to someone else: the drag is over.
  if (!(event->buttons() & button_)) {
    stage_ = Stage::Idle;
    return;
  }
  const QPointF pointer = event->globalPosition();
  if (stage_ == Stage::FollowingPointer) {
    follow(pointer);
  } else if (stage_ == Stage::Pressed && (pointer - pressedAt_).manhattanLength() >=
                                             QGuiApplication::styleHints()->startDragDistance()) {
    startMove(pointer);
  }
}

void WindowDrag::release(QMouseEvent* event) {
  if (stage_ == Stage::Idle || event->button() != button_) return;
  const bool followed = stage_ != Stage::Pressed;
  if (followed) follow(event->globalPosition());
  stage_ = Stage::Idle;
  if (followed) keepInReach(window_, reachable_);
}

void WindowDrag::startMove(QPointF pointer) {
  // A window that gets the pointer's events has its native window.
  QWindow* handle = window_->windowHandle();
  // An X11 window manager's move ends only on a left release, so other
  // buttons move the window by hand there, as does every button with no
  // manager. The manager is asked only once every event up to now has come
  // in: a release already on its way ends the drag here instead, and the
  // manager never takes a later press for this one.
  const int drag = drags_;
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    stage_ = Stage::Starting;
    if (button_ == Qt::LeftButton &&
        afterPendingEvents(handle, [this, drag] { handToWindowManager(drag); }))
      return;
  } else if (handle->startSystemMove()) {
    // Elsewhere the platform moves it if it can: a Wayland compositor, which
    // alone places windows there, does with any button.
    stage_ = Stage::Idle;
    return;
  }
  stage_ = Stage::FollowingPointer;
  follow(pointer);
}

void WindowDrag::handToWindowManager(int drag) {
  // Released meanwhile (the drag ended here) or given up.
  if (stage_ != Stage::Starting || drag != drags_) return;
  stage_ = Stage::Idle;
  // A release that reaches the window after the manager was asked ends the
  // drag here.
  const auto releasedLate = [this](QPointF pointer) { follow(pointer); };
  const auto ended = [this] {
    managerMoving_ = false;
    keepInReach(window_, reachable_);
  };
  managerMoving_ =
      startWindowManagerMove(window_->windowHandle(), pressedInWindow_, releasedLate, ended);
  if (managerMoving_) return;
  stage_ = Stage::FollowingPointer;
  follow(QCursor::pos());
}

void WindowDrag::follow(QPointF pointer) {
  const QPoint to = windowAt_ + (pointer - pressedAt_).toPoint();
  const QPoint reachable = to + reachable_.topLeft();
  const QRect area = availableAreaAt(pointer.toPoint());
  window_->move(area.isEmpty() ? to
                               : to + shiftIntoArea(QRect(reachable, reachable_.size()), area));
}

}  // namespace chrome
