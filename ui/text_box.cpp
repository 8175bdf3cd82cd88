#include "ui/text_box.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "ui/edit_history.h"

namespace ui {

namespace {

// Puts the caret at the start of a text the program writes, and never cuts
// it, nor one that undo or redo restores. Keeps an edit by the user within the limit: of the
// characters it adds (from where the edit started up to the caret) the first go in, as many as fit;
// with no room at all it is refused. Shortening is always allowed, also while a text the program
// wrote is longer than the limit.
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
    if (box_->isRestoring()) return Acceptable;
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
  composed_.clear();
  echo_.clear();
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

// A compose sequence, a dead key or an input method commits its text here:
// typing all the same, so each character meets the key-press handler, and
// what passes goes in as far as the limit leaves room.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  // ibus commits a composition pending at a change of focus once more after
  // Qt has committed it; the copy would land wherever the focus is by then.
  if (!event->commitString().isEmpty() || !event->preeditString().isEmpty()) {
    const bool echo = event->preeditString().isEmpty() && event->commitString() == echo_;
    echo_.clear();
    if (echo) return;
    const bool ends = !preedit_.isEmpty() && event->preeditString().isEmpty();
    composed_ = ends ? event->commitString() : QString();
  }
  preedit_ = event->preeditString();
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QString commit;
  for (const QChar typed : event->commitString()) {
    int keyAscii = typed.unicode();
    if (onKeyPress) onKeyPress(keyAscii);
    if (keyAscii >= ' ') commit += QChar(static_cast<char16_t>(keyAscii));
  }
  if (maxLength_ > 0) {
    const qsizetype kept = text().size() - selectedText().size() - event->replacementLength();
    commit.truncate(std::max<qsizetype>(0, maxLength_ - kept));
  }
  QInputMethodEvent passed(event->preeditString(), event->attributes());
  passed.setCommitString(commit, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&passed);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    // The menu's shortcuts type control characters, which a key-press
    // handler may discard; a box with one promises none of them.
    if (onKeyPress) action->setText(action->text().section(u'\t', 0, 0));
    // What the edit history gives back is the user's own text, not typing.
    const bool undo = action->text().startsWith(QLineEdit::tr("&Undo"));
    if (undo || action->text().startsWith(QLineEdit::tr("&Redo"))) {
      action->disconnect(this);
      connect(action, &QAction::triggered, this, [this, undo] {
        const QScopedValueRollback restoring(restoring_, true);
        undo ? QLineEdit::undo() : QLineEdit::redo();
      });
    }
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
  // A closing popup, such as the box's own menu, gives the focus back; no
  // person came in, and selecting all would make the menu act on it all.
  if (focusHandledEarly_ || event->reason() == Qt::PopupFocusReason) {
    focusHandledEarly_ = false;
    return;
  }
  runGotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  focusHandledEarly_ = false;
  if (!preedit_.isEmpty()) {
    // A composition left pending goes in as typed, before anything reads the
    // box; the input method forgets it.
    QInputMethodEvent commit;
    commit.setCommitString(preedit_);
    inputMethodEvent(&commit);
    QGuiApplication::inputMethod()->reset();
  }
  echo_ = std::exchange(composed_, QString());
  QLineEdit::focusOutEvent(event);
}

}  // namespace ui
