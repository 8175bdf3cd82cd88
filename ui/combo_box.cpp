#include "ui/combo_box.h"

#include <QLineEdit>

#include "ui/colors.h"
#include "ui/edit_history.h"

namespace ui {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  // Qt also reports an entry as picked when the edit part loses the focus
  // or takes Enter while its text matches an entry; that is typing, not a
  // pick. Our own slots run around Qt's, which were connected in between.
  auto* edit = new QLineEdit(this);
  auto typingStarts = [this] { typing_ = true; };
  auto typingEnds = [this] { typing_ = false; };
  connect(edit, &QLineEdit::editingFinished, this, typingStarts);
  connect(edit, &QLineEdit::returnPressed, this, typingStarts);
  // Setting the edit part makes the drop-down editable; setEditable would
  // build a second edit part and the list's popup before it is needed.
  setLineEdit(edit);
  limitEditHistory(edit);
  connect(edit, &QLineEdit::editingFinished, this, typingEnds);
  connect(edit, &QLineEdit::returnPressed, this, typingEnds);
  // Typing into the edit part must not add entries to the list.
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this] {
    if (!typing_ && onClick) onClick();
  });
}

void ComboBox::setText(const QString& text) {
  const int index = findText(text);
  if (index >= 0) setCurrentIndex(index);
}

void ComboBox::setBackColor(const QColor& color) {
  ui::setBackColor(this, color);
  ui::setBackColor(lineEdit(), color);
}

}  // namespace ui
