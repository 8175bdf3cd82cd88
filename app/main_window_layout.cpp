// Where every control of the main window sits, and how it looks.
#include <QLabel>
#include <QLineEdit>

#include "app/frmtemperature.h"
#include "ui/accessible_controls.h"
#include "ui/buttons.h"
#include "ui/colors.h"
#include "ui/combo_box.h"
#include "ui/fonts.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace {

const QColor kPanelOrange(255, 192, 128);

template <class Control>
Control* place(QWidget* container, int left, int top, int width, int height,
               const char* tooltip = nullptr) {
  auto* control = new Control(container);
  control->setGeometry(ui::twipsRect(left, top, width, height));
  if (tooltip) control->setToolTip(QString::fromUtf8(tooltip));
  return control;
}

}  // namespace

void frmtemperature::buildControls() {
  setWindowTitle(QStringLiteral("Caldorine"));
  setFixedSize(ui::twips(3150), ui::twips(4950));

  // The unit captions go in first: the thermometer in front of them hides
  // their lowest edge.
  leftpicindicator = place<QLabel>(this, 1965, 420, 495, 255);
  rightpicindicator = place<QLabel>(this, 2485, 420, 495, 255);
  for (QLabel* indicator : {leftpicindicator, rightpicindicator}) {
    indicator->setFont(ui::mappedFont(QStringLiteral("Arial"), 8.25, true));
    indicator->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  PicTherm = place<ui::PictureBox>(this, 1585, 620, 1455, 4095);
  PicTherm->setFont(ui::mappedFont(QStringLiteral("MS Serif"), 6));
  ui::setBackColor(PicTherm, kPanelOrange);
  PicTherm->setFocusPolicy(Qt::StrongFocus);

  Frame1 = place<ui::Frame>(this, 240, 720, 1215, 735);
  ui::setBackColor(Frame1, kPanelOrange);
  Option1 = place<ui::OptionButton>(Frame1, 120, 130, 855, 255, "Farenheit to Celcius");
  Option2 = place<ui::OptionButton>(Frame1, 120, 450, 855, 210, "Celcius to Farenheit");
  for (ui::OptionButton* option : {Option1, Option2}) ui::setBackColor(option, kPanelOrange);

  Combo1 = place<ui::ComboBox>(this, 360, 1630, 495, 315, "Choose DP, then press 'Convert'");
  Combo1->setBackColor(Qt::white);

  Label1 = place<QLabel>(this, 885, 1590, 615, 375);
  Label1->setText(QStringLiteral("Decimal Places"));
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Frame2 = place<ui::Frame>(this, 240, 2040, 1215, 1565);
  ui::setBackColor(Frame2, kPanelOrange);
  Text1 = place<ui::TextBox>(Frame2, 120, 240, 975, 285, "'From' temperature value");
  Command1 = place<ui::CommandButton>(Frame2, 120, 600, 975, 375, "Convert value");
  Command1->setFont(ui::mappedFont(QStringLiteral("MS Sans Serif"), 8.25, true));
  ui::setBackColor(Command1, kPanelOrange);
  Text2 = place<ui::TextBox>(Frame2, 120, 1080, 975, 285, "'To' temperature value");
  Text2->setReadOnly(true);
  for (ui::TextBox* box : {Text1, Text2}) ui::setBackColor(box, Qt::white);

  Command2 = place<ui::CommandButton>(this, 480, 3840, 615, 300, "Preset temperatures");
  Command2->setText(QStringLiteral("List"));
  ui::setBackColor(Command2, kPanelOrange);

  QuesB = place<ui::Image>(this, 1110, 105, 285, 255, "About/Help");
  Min = place<ui::Image>(this, 1465, 105, 285, 255, "Minimize");
  CloseB = place<ui::Image>(this, 1820, 105, 285, 255, "Close");

  // Never seen, so placed nowhere: the conversion triggers and the stores of
  // the title buttons' pictures.
  CelCmnd = new ui::CommandButton(this);
  FarCmnd = new ui::CommandButton(this);
  QuesHolder = new ui::Image(this);
  MinHolder = new ui::Image(this);
  CloseHolder = new ui::Image(this);
  TempHolder = new ui::Image(this);
  for (QWidget* hidden : std::initializer_list<QWidget*>{CelCmnd, FarCmnd, QuesHolder, MinHolder,
                                                         CloseHolder, TempHolder}) {
    hidden->hide();
    ui::keepFromAssistiveTechnology(hidden);
  }

  // Screen readers name a control by its caption; these have a tooltip only.
  PicTherm->setAccessibleName(QStringLiteral("Thermometer"));
  for (ui::TextBox* box : {Text1, Text2}) box->setAccessibleName(box->toolTip());
  // A drop-down is named by its text and labelled by the label beside it.
  Label1->setBuddy(Combo1);
  Combo1->lineEdit()->setAccessibleName(Label1->text());
}
