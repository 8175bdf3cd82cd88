#include "ui/message_box.h"

#include <QMessageBox>

#include "ui/dialog_caption.h"
#include "ui/x11_window_manager.h"

namespace ui {

void MsgBox(QWidget* parent, const QString& prompt, const QString& title) {
  QString text = prompt;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // A fixed dialog like the program's others: close only; on Wayland with a
  // caption of its own. Qt centres it on its owner, on the owner's monitor.
  if (onWayland()) {
    box.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    box.setContentsMargins(1, DialogCaption::heightFor(box), 1, 1);
    new DialogCaption(&box);
  } else {
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    offerOnlyCloseUnderOpenbox(box);
  }
  box.exec();
}

}  // namespace ui
