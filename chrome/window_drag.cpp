#include "chrome/window_drag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

#include "chrome/x11_window_move.h"

namespace chrome {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {
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
  button_ = event->button();
  pressedAt_ = event->globalPosition();
  windowAt_ = window_->pos();
}

void WindowDrag::move(QMouseEvent* event) {
  if (stage_ == Stage::Idle) return;
  // Its release went to someone else: the drag is over.
  if (!(event->buttons() & button_)) {
    stage_ = Stage::Idle;
    return;
  }
  const QPoint travel = (event->globalPosition() - pressedAt_).toPoint();
  if (stage_ == Stage::FollowingPointer) {
    window_->move(windowAt_ + travel);
  } else if (travel.manhattanLength() >= QGuiApplication::styleHints()->startDragDistance()) {
    startMove(travel);
  }
}

void WindowDrag::release(QMouseEvent* event) {
  if (stage_ == Stage::Idle || event->button() != button_) return;
  if (stage_ == Stage::FollowingPointer)
    window_->move(windowAt_ + (event->globalPosition() - pressedAt_).toPoint());
  stage_ = Stage::Idle;
}

void WindowDrag::startMove(QPoint travel) {
  stage_ = Stage::Idle;
  // A window that gets the pointer's events has its native window.
  QWindow* handle = window_->windowHandle();
  // An X11 window manager's move ends only on a left release, so other
  // buttons move the window by hand there, as does every button with no
  // manager. Elsewhere the platform moves it if it can: a Wayland compositor,
  // which alone places windows there, does with any button.
  const bool started = QGuiApplication::platformName() == QLatin1String("xcb")
                           ? button_ == Qt::LeftButton && startWindowManagerMove(handle, travel)
                           : handle->startSystemMove();
  if (started) return;
  stage_ = Stage::FollowingPointer;
  window_->move(windowAt_ + travel);
}

}  // namespace chrome
