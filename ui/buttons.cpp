#include "ui/buttons.h"

namespace ui {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void CommandButton::Press() {
  if (onClick) onClick();
}

void CommandButton::SetFocus() { setFocus(Qt::OtherFocusReason); }

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void OptionButton::setValue(bool chosen) {
  if (chosen) {
    setChecked(true);
    if (onClick) onClick();
    return;
  }
  // An exclusive option cannot be unchecked directly.
  const bool exclusive = autoExclusive();
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(exclusive);
}

}  // namespace ui
