#include "ui/label.h"

#include <QMouseEvent>

namespace ui {

Label::Label(QWidget* parent) : QLabel(parent) {}

// The release reaches the label that had the press, wherever the pointer is;
// a press dragged off the label before release is no click.
void Label::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
    onClick();
}

}  // namespace ui
