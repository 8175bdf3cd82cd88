#include "app/frmtemperature.h"

#include <QLabel>
#include <QPainter>

#include "about/Form2.h"
#include "chrome/module1.h"
#include "chrome/on_screen.h"
#include "chrome/window_mask.h"
#include "presets/Form1.h"
#include "thermometer/number_reading.h"
#include "thermometer/number_separators.h"
#include "ui/accessible_notices.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/twips.h"

using thermometer::InputUnit;
using thermometer::ScaleKind;

frmtemperature::frmtemperature() : ui::Form(Qt::Window | Qt::FramelessWindowHint) {
  buildControls();
  Command1->onClick = [this] { Command1_Click(); };
  Combo1->onClick = [this] { Combo1_Click(); };
  Option1->onClick = [this] { Option1_Click(); };
  Option2->onClick = [this] { Option2_Click(); };
  FarCmnd->onClick = [this] { FarCmnd_Click(); };
  CelCmnd->onClick = [this] { CelCmnd_Click(); };
  Command2->onClick = [this] { Command2_Click(); };
  Text1->onGotFocus = [this] { Text1_GotFocus(); };
  Text1->onKeyPress = [this](int& keyAscii) { Text1_KeyPress(keyAscii); };
  PicTherm->onMouseDown = [this](int b, int s, float x, float y) {
    PicTherm_MouseDown(b, s, x, y);
  };
  PicTherm->onMouseMove = [this](int b, int s, float x, float y) {
    PicTherm_MouseMove(b, s, x, y);
  };
  PicTherm->onMouseUp = [this](int b, int s, float x, float y) { PicTherm_MouseUp(b, s, x, y); };
  PicTherm->onKeyDown = [this](int key, int shift) { PicTherm_KeyDown(key, shift); };
  connectChrome();
}

void frmtemperature::Form_Load() {
  QRegion outline;
  BuildWindowRegion(1.0f, 1.0f, 0, 0, outline);
  chrome::applyOutline(this, outline);
  Module1::resetState();
  Text1->setText(QStringLiteral("0"));
  Text2->setText(QStringLiteral(" "));
  Text1->setSelection(0, Text1->text().size());
  Command1->setText(QStringLiteral("Convert"));
  Option1->setText(thermometer::unitText(InputUnit::Fahrenheit) + QStringLiteral(" to ") +
                   thermometer::unitText(InputUnit::Celsius));
  Option2->setText(thermometer::unitText(InputUnit::Celsius) + QStringLiteral(" to ") +
                   thermometer::unitText(InputUnit::Fahrenheit));
  Option1->setValue(true);
  PicTherm->setScale(-1.0f, -1.15f, 2.0f, 1.48f);
  chrome::placeOnScreen(this, QPoint(ui::twips(1000), ui::twips(2000)));
  Combo1->addItems(
      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
  Combo1->setText(QStringLiteral("2"));
  backgroundPicture_ = Module1::LoadResourcePicture(102, QStringLiteral("Custom"));
  Show();
  PicTherm->setPicture(Module1::LoadResourcePicture(101, QStringLiteral("Custom")));
  loadTitleBitmaps();
}

// The other windows live as long as the main window; a hidden one left
// behind would keep the program running with no window to see.
void frmtemperature::Form_Unload() {
  ui::Unload<Form1>();
  ui::Unload<Form2>();
}

void frmtemperature::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Smooth where a "@2x" picture meets a screen of 150 %; 1:1 otherwise.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // A translucent window shows every pixel it paints, outline or not.
  if (testAttribute(Qt::WA_TranslucentBackground)) painter.setClipRegion(mask());
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!backgroundPicture_.isNull()) painter.drawPixmap(0, 0, backgroundPicture_);
}

void frmtemperature::Command1_Click() {
  Text1->SetFocus();
  Combo1->setBackColor(Qt::white);
  Command1->setAccessibleDescription(QString());

  const std::string text = Text1->text().toStdString();
  const bool endsInMinus = thermometer::endsInMinus(text);
  if (thermometer::isNumeric(text) || endsInMinus) {
    // A text the numeric test takes is read whole, thousands separators
    // included; anything else by its leading number.
    const auto value = thermometer::isNumeric(text) && !endsInMinus
                           ? thermometer::readNumber(text)
                           : thermometer::leadingNumberValue(text);
    if (value) Module1::valueToConvert = *value;
  }

  const QString places = Combo1->text();
  for (int16_t candidate = 1; candidate <= 4; ++candidate) {
    if (places == QString::number(candidate)) {
      decimalPlaces = candidate;
      break;
    }
  }

  if (Module1::conversionDirection == 1) {
    do_farenheit();
  } else if (Module1::conversionDirection == 2) {
    do_celcius();
  }
}

void frmtemperature::Combo1_Click() {
  Combo1->setBackColor(Qt::red);
  // What the red says, for a screen reader: the pick waits for Convert,
  // which the focus moves to and which is heard saying so.
  Command1->setAccessibleDescription(
      QStringLiteral("%1 to %2 decimal places").arg(Command1->toolTip(), Combo1->text()));
  Command1->SetFocus();
}

void frmtemperature::Option1_Click() {
  Module1::conversionDirection = 1;
  clearPresetSelection();
}

void frmtemperature::Option2_Click() {
  clearPresetSelection();
  Module1::conversionDirection = 2;
}

void frmtemperature::FarCmnd_Click() { do_farenheit(); }

void frmtemperature::CelCmnd_Click() { do_celcius(); }

void frmtemperature::Command2_Click() {
  Form1& browser = ui::Instance<Form1>();
  browser.ShowBy(*this, titleButtonsOnScreen());
  // The keyboard goes where the user asked to be.
  browser.activateWindow();
  Module1::browserShown = 1;
}

// Nothing stays selected, so the same preset can be chosen again. Reaching
// the browser loads it, unseen, if it is not loaded: the direction chosen at
// start-up loads it for the whole run.
void frmtemperature::clearPresetSelection() { ui::Instance<Form1>().List2->SelectNone(); }

void frmtemperature::Text1_GotFocus() { Text1->setSelection(0, Text1->text().size()); }

void frmtemperature::Text1_KeyPress(int& keyAscii) {
  Text1->setMaxLength(9);
  // As on a calculator, "." and the locale's own decimal key both type the
  // decimal separator the locale writes; its group separator is never typed.
  const int decimalSeparator =
      QString::fromStdString(thermometer::numberSeparators().decimal).front().unicode();
  if (keyAscii == '.') keyAscii = decimalSeparator;
  const bool accepted = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '-' ||
                        keyAscii == decimalSeparator || keyAscii == ' ' || keyAscii == 8;
  if (!accepted) {
    keyAscii = 0;
    return;
  }
  clearPresetSelection();
}

thermometer::ThermometerControls frmtemperature::controls() {
  return {*PicTherm, *Text1, *Text2, *leftpicindicator, *rightpicindicator};
}

void frmtemperature::convert(InputUnit unit, ScaleKind kind) {
  auto handed = controls();
  thermometer::drawConversion(handed, scale, unit, kind, decimalPlaces);
}

// Convert moves the focus to 'From' before it converts, so what a screen reader
// says there carries the result, told once with the focus.
void frmtemperature::shareReading() {
  ui::describeLater(Text1, [this] { return PicTherm->description(); });
}

void frmtemperature::dispatch(InputUnit unit) {
  shareReading();
  auto handed = controls();
  const auto kind = thermometer::beginConversion(handed, scale, unit);
  if (!kind) return;
  const bool fahrenheit = unit == InputUnit::Fahrenheit;
  switch (*kind) {
    case ScaleKind::PositiveInteger:
      convert(unit, ScaleKind::PositiveInteger);
      break;
    case ScaleKind::PositiveDecimal:
      fahrenheit ? do_decimalpositive() : do_celciusdecimalpositive();
      break;
    case ScaleKind::NegativeDecimal:
      fahrenheit ? do_decimalnegative() : do_celciusdecimalnegative();
      break;
    case ScaleKind::NegativeInteger:
      fahrenheit ? do_integernegative() : do_celciusintegernegative();
      break;
  }
}

void frmtemperature::do_farenheit() { dispatch(InputUnit::Fahrenheit); }
void frmtemperature::do_celcius() { dispatch(InputUnit::Celsius); }
void frmtemperature::do_decimalpositive() {
  convert(InputUnit::Fahrenheit, ScaleKind::PositiveDecimal);
}
void frmtemperature::do_decimalnegative() {
  convert(InputUnit::Fahrenheit, ScaleKind::NegativeDecimal);
}
void frmtemperature::do_integernegative() {
  convert(InputUnit::Fahrenheit, ScaleKind::NegativeInteger);
}
void frmtemperature::do_celciusdecimalpositive() {
  convert(InputUnit::Celsius, ScaleKind::PositiveDecimal);
}
void frmtemperature::do_celciusdecimalnegative() {
  convert(InputUnit::Celsius, ScaleKind::NegativeDecimal);
}
void frmtemperature::do_celciusintegernegative() {
  convert(InputUnit::Celsius, ScaleKind::NegativeInteger);
}
