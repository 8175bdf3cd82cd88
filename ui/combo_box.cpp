#include "ui/combo_box.h"

#include <QLineEdit>

#include "ui/colors.h"

namespace ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // Typing into the edit part must not add entries to the list.
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this] {
    if (onClick) onClick();
  });
}

void ComboBox::setBackColor(const QColor& color) {
  ui::setBackColor(this, color);
  if (lineEdit()) ui::setBackColor(lineEdit(), color);
}

QColor ComboBox::backColor() const { return palette().color(QPalette::Base); }

}  // namespace ui
