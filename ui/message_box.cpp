#include "ui/message_box.h"

#include <QMessageBox>

namespace ui {

void MsgBox(QWidget* parent, const QString& prompt, const QString& title) {
  QString text = prompt;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace ui
