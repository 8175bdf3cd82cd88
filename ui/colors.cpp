#include "ui/colors.h"

#include <QPalette>

namespace ui {

void setBackColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Button, color);
  palette.setColor(QPalette::Base, color);
  widget->setPalette(palette);
}

}  // namespace ui
