#include "ui/image.h"

#include <QMouseEvent>

#include "ui/mouse_codes.h"

namespace ui {

Image::Image(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setContextMenuPolicy(Qt::PreventContextMenu);
}

void Image::setPicture(const QPixmap& picture) {
  picture_ = picture;
  setPixmap(picture);
}

void Image::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->buttons() != event->button()) return;
  if (onMouseDown) onMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()));
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->buttons() != Qt::NoButton) return;
  if (onMouseUp) onMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()));
}

}  // namespace ui
