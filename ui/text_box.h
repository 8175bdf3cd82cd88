// A one-line text box whose key-press handler sees every typed character
// first and may discard it, whose focus handler also runs when the program
// moves the focus into an inactive window, and whose maximum length limits
// typing without ever cutting a text the program writes.
#pragma once

#include <QLineEdit>
#include <functional>

namespace ui {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  // Gets the character code of each typed character; setting it to 0
  // discards the character. Keys that type no character never arrive.
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void()> onGotFocus;

  // 0 means no limit. Leaves the current text as it is.
  void setMaxLength(int length);
  int maxLength() const { return maxLength_; }

  // The program's own writing: never cut, whatever the limit.
  void setText(const QString& text);
  bool isProgramWriting() const { return programWriting_; }

  void SetFocus();
  void setSelection(int start, int length);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void runGotFocus();

  int maxLength_ = 0;
  bool focusHandledEarly_ = false;
  int gotFocusRuns_ = 0;
  bool programWriting_ = false;
  QString lastText_;
};

}  // namespace ui
