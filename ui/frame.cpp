#include "ui/frame.h"

#include <qdrawutil.h>

#include <QPainter>

namespace ui {

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

void Frame::paintEvent(QPaintEvent*) {
  // The background is filled with the back colour already; the outline is a
  // shadow line with a highlight beside it, in shades of that colour.
  QPainter painter(this);
  QPalette shades = palette();
  const QColor back = shades.color(QPalette::Window);
  shades.setColor(QPalette::Dark, back.darker(135));
  shades.setColor(QPalette::Light, back.lighter(125));
  qDrawShadeRect(&painter, rect(), shades, true);
}

}  // namespace ui
