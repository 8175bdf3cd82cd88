// Moving a borderless window by dragging its free surface (not a control)
// with any mouse button. A press and release without moving never moves it:
// the move starts once the pointer has gone the platform's drag distance with
// the button still held, and ends when that button is released. Wherever it
// goes, a given part of the window (its title buttons) stays on the screen,
// and whoever moved it, a move that ends with that part on no monitor brings
// the window back onto one.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>

class QMouseEvent;
class QWidget;

namespace chrome {

class WindowDrag : public QObject {
  Q_OBJECT
 public:
  // Watches the window's mouse events; the window owns the drag. `reachable`
  // is in window coordinates.
  WindowDrag(QWidget* window, QRect reachable);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Stage { Idle, Pressed, Starting, FollowingPointer };

  void press(QMouseEvent* event);
  void move(QMouseEvent* event);
  void release(QMouseEvent* event);
  void startMove(QPointF pointer);
  void handToWindowManager(int drag);
  // By the pointer's travel from the press, as far as keeps `reachable_` on the screen.
  void follow(QPointF pointer);

  QWidget* window_;
  QRect reachable_;
  Stage stage_ = Stage::Idle;
  // The window manager moves the window until the button comes up.
  bool managerMoving_ = false;
  // Counts presses, so a late step of one drag knows another has begun.
  int drags_ = 0;
  Qt::MouseButton button_ = Qt::NoButton;
  QPointF pressedAt_;
  QPointF pressedInWindow_;
  QPoint windowAt_;
};

}  // namespace chrome
