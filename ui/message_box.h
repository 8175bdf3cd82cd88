// The program's one kind of message: modal, an information icon, one OK
// button and a title.
#pragma once

#include <QString>

class QWidget;

namespace ui {

// Returns once the user has closed the box. Line breaks may be "\r\n".
void MsgBox(QWidget* parent, const QString& prompt, const QString& title);

}  // namespace ui
