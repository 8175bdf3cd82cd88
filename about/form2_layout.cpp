// Where every control of the about window sits, and how it looks.
#include <QLabel>
#include <QPlainTextEdit>

#include "about/Form2.h"
#include "about/about_texts.h"
#include "ui/buttons.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/twips.h"

namespace {

template <class Control>
Control* place(QWidget* container, int left, int top, int width, int height) {
  auto* control = new Control(container);
  control->setGeometry(ui::twipsRect(left, top, width, height));
  return control;
}

QFont labelFont(double points) {
  return ui::mappedFont(QStringLiteral("MS Sans Serif"), points, true);
}

}  // namespace

void Form2::buildControls() {
  setWindowTitle(QStringLiteral("About Caldorine"));
  setFixedSize(ui::twips(4455), ui::twips(2820));

  Command1 = place<ui::CommandButton>(this, 200, 20, 855, 300);
  Command1->setText(QStringLiteral("Overview"));
  Command2 = place<ui::CommandButton>(this, 3320, 20, 975, 300);
  Command2->setText(QStringLiteral("Handy Tips"));

  // Read-only, but the reader may select, copy and scroll with the keyboard.
  Text1 = place<QPlainTextEdit>(this, 80, 360, 4335, 2055);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setAccessibleName(QStringLiteral("Overview and Handy Tips"));

  Label1 = place<QLabel>(this, 1210, 0, 2055, 375);
  Label1->setText(QStringLiteral("Caldorine v1.1"));
  Label1->setFont(labelFont(12));
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Label2 = place<ui::Label>(this, 1985, 2490, 2535, 375);
  Label2->setText(about::contactAddress());
  QFont linkFont = labelFont(9.75);
  linkFont.setUnderline(true);
  Label2->setFont(linkFont);
  QPalette linkPalette = Label2->palette();
  linkPalette.setColor(QPalette::WindowText, QColor(192, 0, 0));
  Label2->setPalette(linkPalette);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label4 = place<QLabel>(this, 80, 2500, 1920, 255);
  Label4->setText(QStringLiteral("Comments? Email "));
  Label4->setFont(labelFont(9.75));
  Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
