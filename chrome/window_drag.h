// Moving a borderless window by dragging its free surface (not a control)
// with any mouse button. A press and release without moving never moves it:
// the move starts once the pointer has gone the platform's drag distance with
// the button still held, and ends when that button is released.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>

class QMouseEvent;
class QWidget;

namespace chrome {

class WindowDrag : public QObject {
  Q_OBJECT
 public:
  // Watches the window's mouse events; the window owns the drag.
  explicit WindowDrag(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Stage { Idle, Pressed, FollowingPointer };

  void press(QMouseEvent* event);
  void move(QMouseEvent* event);
  void release(QMouseEvent* event);
  void startMove(QPoint travel);

  QWidget* window_;
  Stage stage_ = Stage::Idle;
  Qt::MouseButton button_ = Qt::NoButton;
  QPointF pressedAt_;
  QPoint windowAt_;
};

}  // namespace chrome
