#include "ui/edit_history.h"

#include <QLineEdit>

namespace ui {

namespace {

// Writing its own text back empties the list; a text no longer than before
// passes any length check.
void forgetEdits(QLineEdit& edit) {
  const int caret = edit.cursorPosition(), start = edit.selectionStart();
  const int length = static_cast<int>(edit.selectedText().size());
  edit.setText(edit.text());
  if (start < 0) {
    edit.setCursorPosition(caret);
  } else {
    edit.setSelection(caret == start ? start + length : start, caret == start ? -length : length);
  }
}

}  // namespace

void limitEditHistory(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, edits = 0]() mutable {
    if (++edits < kEditsRemembered) return;
    edits = 0;
    // After Qt has finished the edit that is under way.
    QMetaObject::invokeMethod(edit, [edit] { forgetEdits(*edit); }, Qt::QueuedConnection);
  });
}

}  // namespace ui
