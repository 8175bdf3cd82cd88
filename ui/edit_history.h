// Qt keeps every edit of a one-line edit for undo and never trims the list,
// so a long session of typing would hold ever more. Here the list starts
// afresh every so many edits; the text, the caret and the selection stay.
#pragma once

#include <functional>

class QLineEdit;

namespace ui {

inline constexpr int kEditsRemembered = 1000;

// writeAgain writes the edit's own text back, which empties the list; by
// default QLineEdit::setText.
void limitEditHistory(QLineEdit* edit, std::function<void()> writeAgain = {});

}  // namespace ui
