#include "ui/text_box.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>

#include "ui/edit_history.h"

namespace ui {

namespace {

// Puts the caret at the start of a text the program writes, and never cuts
// it. Keeps an edit by the user within the limit: of the characters it adds
// (from where the edit started up to the caret) the first go in, as many as
// fit; with no room at all it is refused. Shortening is always allowed, also
// while a text the program wrote is longer than the limit.
class LengthLimit : public QValidator {
 public:
  LengthLimit(const TextBox* box, const QString* previous, const int* editStart)
      : QValidator(const_cast<TextBox*>(box)),
        box_(box),
        previous_(previous),
        editStart_(editStart) {}
  State validate(QString& input, int& caret) const override {
    if (box_->isProgramWriting()) {
      // The view follows the caret: at the start, a long value shows its
      // leading digits.
      caret = 0;
      return Acceptable;
    }
    const qsizetype limit = box_->maxLength();
    if (limit <= 0 || input.size() <= limit || input.size() <= previous_->size()) return Acceptable;
    const qsizetype start = *editStart_;
    const qsizetype after = input.size() - caret;
    const qsizetype room = limit - start - after;
    if (room <= 0 || start > caret) return Invalid;
    input = input.left(start + room) + input.mid(caret);
    caret = static_cast<int>(start + room);
    return Acceptable;
  }

 private:
  const TextBox* box_;
  const QString* previous_;
  const int* editStart_;
};

// The character code a key press types, or 0 for a key that types none.
// Control shortcuts count as their control characters (Ctrl+V is 22).
int typedCharacter(const QKeyEvent* event) {
  const int key = event->key();
  switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return 0;
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
    return key - Qt::Key_A + 1;
  }
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t code = text.at(0).unicode();
  if (code == 127) return 0;
  return code;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new LengthLimit(this, &lastText_, &editStart_));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText_ = text; });
  // An edit replaces the selection, or inserts at the caret.
  const auto noteEditStart = [this] {
    editStart_ = hasSelectedText() ? selectionStart() : cursorPosition();
  };
  connect(this, &QLineEdit::selectionChanged, this, noteEditStart);
  connect(this, &QLineEdit::cursorPositionChanged, this, noteEditStart);
  limitEditHistory(this);
}

void TextBox::setMaxLength(int length) { maxLength_ = length; }

void TextBox::setText(const QString& text) {
  if (text == QLineEdit::text()) {
    // Qt would move the caret to the end, and with the text unchanged no
    // check would bring it back to the start.
    setCursorPosition(0);
    return;
  }
  programWriting_ = true;
  QLineEdit::setText(text);
  programWriting_ = false;
}

void TextBox::setSelection(int start, int length) {
  QLineEdit::setSelection(start + length, -length);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  int keyAscii = typedCharacter(event);
  if (keyAscii == 0) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const int typed = keyAscii;
  if (onKeyPress) onKeyPress(keyAscii);
  if (keyAscii == 0) {
    event->accept();
    return;
  }
  if (keyAscii != typed) {
    QKeyEvent changed(event->type(), event->key(), event->modifiers(),
                      QString(QChar(static_cast<char16_t>(keyAscii))), event->isAutoRepeat());
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's shortcuts type control characters, which a key-press handler
  // may discard; a box with one promises none of them.
  if (onKeyPress) {
    for (QAction* action : menu->actions()) action->setText(action->text().section(u'\t', 0, 0));
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TextBox::SetFocus() {
  if (window()->isActiveWindow() && hasFocus()) return;
  focusHandledEarly_ = false;
  const int before = gotFocusRuns_;
  setFocus(Qt::OtherFocusReason);
  if (gotFocusRuns_ == before) {
    // Qt holds the focus event back until the window is activated; the
    // handler runs now and that later event is not handled twice.
    runGotFocus();
    focusHandledEarly_ = true;
  }
}

void TextBox::runGotFocus() {
  ++gotFocusRuns_;
  if (onGotFocus) onGotFocus();
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (focusHandledEarly_) {
    focusHandledEarly_ = false;
    return;
  }
  runGotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  focusHandledEarly_ = false;
  QLineEdit::focusOutEvent(event);
}

}  // namespace ui
