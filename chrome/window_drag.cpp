#include "chrome/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace chrome {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return press(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
      return move(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
      return release(static_cast<QMouseEvent*>(event));
    default:
      return false;
  }
}

bool WindowDrag::press(QMouseEvent* event) {
  // Labels and frames pass their presses on to the window; only a press on
  // no control at all is a press on the surface.
  if (followingPointer_ || window_->childAt(event->position().toPoint()) != nullptr) return false;
  QWindow* handle = window_->windowHandle();
  if (handle && handle->startSystemMove()) return true;
  // No window manager to do it (a bare X server, for one): follow the
  // pointer by hand.
  followingPointer_ = true;
  pressedAt_ = event->globalPosition();
  windowAt_ = window_->pos();
  return true;
}

bool WindowDrag::move(QMouseEvent* event) {
  if (!followingPointer_) return false;
  window_->move(windowAt_ + (event->globalPosition() - pressedAt_).toPoint());
  return true;
}

bool WindowDrag::release(QMouseEvent* event) {
  if (!followingPointer_) return false;
  move(event);
  if (event->buttons() == Qt::NoButton) followingPointer_ = false;
  return true;
}

}  // namespace chrome
