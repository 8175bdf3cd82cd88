// An editable drop-down: entries at given positions, readable edit text, a
// settable back colour, and a click handler that runs when the user picks
// an entry (not when the program or typing changes the text).
#pragma once

#include <QColor>
#include <QComboBox>
#include <functional>

namespace ui {

class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent = nullptr);
  std::function<void()> onClick;

  void setBackColor(const QColor& color);
  QString text() const { return currentText(); }
  void setText(const QString& text);

 private:
  bool typing_ = false;
};

}  // namespace ui
