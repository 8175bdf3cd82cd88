// Push and option buttons whose click handler also runs when the program
// presses or chooses them, hidden ones included.
#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace ui {

class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* parent = nullptr);
  std::function<void()> onClick;
  // Pressing from code: runs the click handler at once.
  void Press();
  // Moving the focus here from code shows its focus ring, as a move by the
  // keyboard does.
  void SetFocus();
};

class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(QWidget* parent = nullptr);
  std::function<void()> onClick;
  // Choosing from code runs the click handler at once; un-choosing runs
  // nothing.
  void setValue(bool chosen);
  bool value() const { return isChecked(); }
};

}  // namespace ui
