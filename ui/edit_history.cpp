#include "ui/edit_history.h"

#include <QLineEdit>
#include <utility>

namespace ui {

namespace {

void forgetEdits(QLineEdit& edit, const std::function<void()>& writeAgain) {
  const int caret = edit.cursorPosition(), start = edit.selectionStart();
  const int length = static_cast<int>(edit.selectedText().size());
  if (writeAgain) {
    writeAgain();
  } else {
    edit.setText(edit.text());
  }
  if (start < 0) {
    edit.setCursorPosition(caret);
  } else {
    edit.setSelection(caret == start ? start + length : start, caret == start ? -length : length);
  }
}

}  // namespace

void limitEditHistory(QLineEdit* edit, std::function<void()> writeAgain) {
  QObject::connect(edit, &QLineEdit::textEdited, edit,
                   [edit, writeAgain = std::move(writeAgain), edits = 0]() mutable {
                     if (++edits < kEditsRemembered) return;
                     edits = 0;
                     // After Qt has finished the edit that is under way.
                     QMetaObject::invokeMethod(
                         edit, [edit, writeAgain] { forgetEdits(*edit, writeAgain); },
                         Qt::QueuedConnection);
                   });
}

}  // namespace ui
