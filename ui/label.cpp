#include "ui/label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

// Reached by Tab, not by a click: a click follows the link at once.
Label::Label(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

// The release reaches the label that had the press, wherever the pointer is;
// a press dragged off the label before release is no click.
void Label::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
    onClick();
}

void Label::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
    return QLabel::keyPressEvent(event);
  if (onClick) onClick();
}

void Label::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // The focus is shown around the text, not the whole width of the label.
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect =
      style()
          ->itemTextRect(fontMetrics(), contentsRect(), static_cast<int>(alignment()), true, text())
          .adjusted(-1, 0, 1, 0);
  QPainter painter(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace ui
