// The about window: an overview of the program or its handy tips in one
// read-only text, the version line, and a contact address that opens the
// user's mail program.
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>

#include "ui/form.h"

class QLabel;
class QPlainTextEdit;
namespace ui {
class CommandButton;
class Label;
}  // namespace ui

class Form2 : public ui::Form {
  Q_OBJECT
 public:
  Form2();

  // Controls, in tab order.
  ui::CommandButton* Command1;
  ui::CommandButton* Command2;
  QPlainTextEdit* Text1;
  QLabel* Label1;
  ui::Label* Label2;
  QLabel* Label4;

  // Hands the mail link on; true when a program took it. Unset, the desktop's
  // own service does. Tests set it to play a desktop without a mail program.
  static inline std::function<bool(const QUrl&)> urlOpener;

  // The window the keyboard was in when this one was opened; closing this
  // one gives the keyboard back to it.
  QPointer<QWidget> openedFrom;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  // Centred across the monitor; always the same height.
  void placeOn(const QRect& monitor) override;

 private:
  void buildControls();
  void showText(const QString& text);

  void Command1_Click();
  void Command2_Click();
  void Label2_Click();

  QString overviewTitle;
  QString overviewBody;
  QString tipsIntro;
  QString tip3Text;
  QString tip4Text;
  QString tip5Text;
};
