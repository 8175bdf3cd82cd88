// A one-line text box whose key-press handler sees every typed character
// first and may discard it, however the keyboard made it (a plain key, a
// compose or dead key, an input method); whose focus handler runs when a
// person or the program moves the focus in, also into an inactive window,
// but not when a popup gives it back; and whose maximum length limits typing
// without ever cutting a text the program writes or undo restores. A paste or
// a commit that does not fit goes in as far as it fits. A text the program
// writes or selects shows from its first character.
#pragma once

#include <QLineEdit>
#include <functional>

namespace ui {

class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);

  // Gets the character code of each typed character; setting it to 0
  // discards the character, setting it to another code types that one
  // instead. Keys that type no character never arrive.
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void()> onGotFocus;

  // 0 means no limit. Leaves the current text as it is.
  void setMaxLength(int length);
  int maxLength() const { return maxLength_; }

  // The program's own writing: never cut, whatever the limit.
  void setText(const QString& text);
  bool isProgramWriting() const { return programWriting_; }
  bool isRestoring() const { return restoring_; }

  void SetFocus();
  // Selects with the caret at the start, so the view shows the start.
  void setSelection(int start, int length);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void runGotFocus();

  int maxLength_ = 0;
  bool focusHandledEarly_ = false;
  int gotFocusRuns_ = 0;
  bool programWriting_ = false;
  bool restoring_ = false;
  QString preedit_;  // an input method's composition, not yet in the text
  // The composition last committed as it ended, and the same once the focus
  // has left with it: an input method may send it a second time.
  QString composed_, echo_;
  // The text, and where the user's next edit puts its characters, as they
  // stood before that edit.
  QString lastText_;
  int editStart_ = 0;
};

}  // namespace ui
