// Qt keeps every edit of a one-line edit for undo and never trims the list,
// so a long session of typing would hold ever more. Here the list starts
// afresh every so many edits; the text, the caret and the selection stay.
#pragma once

class QLineEdit;

namespace ui {

inline constexpr int kEditsRemembered = 1000;

void limitEditHistory(QLineEdit* edit);

}  // namespace ui
