// Moving a borderless window by dragging its free surface (not a control)
// with any mouse button: the window system's own move where it offers one,
// otherwise the window follows the pointer until the button is released.
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
  bool press(QMouseEvent* event);
  bool move(QMouseEvent* event);
  bool release(QMouseEvent* event);

  QWidget* window_;
  bool followingPointer_ = false;
  QPointF pressedAt_;
  QPoint windowAt_;
};

}  // namespace chrome
