// The main window's side of dragging the mercury: the thermometer's pointer
// handlers, the move step, and the redraw for each unit and kind of scale.
#include <QLabel>

#include "app/frmtemperature.h"
#include "chrome/module1.h"
#include "thermometer/mercury_drag.h"
#include "thermometer/number_reading.h"
#include "ui/accessible_notices.h"
#include "ui/message_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

using thermometer::InputUnit;
using thermometer::ScaleKind;

namespace {
constexpr int kLeftButton = 1;
}

void frmtemperature::PicTherm_MouseDown(int button, int, float, float) {
  if (button == kLeftButton) dragging = true;
}

void frmtemperature::PicTherm_MouseUp(int button, int, float, float) {
  if (button != kLeftButton) return;
  // Where the drag ends is its result; the moves on the way are not told.
  if (dragging && dragMoved) announceReading();
  dragging = dragMoved = false;
}

void frmtemperature::PicTherm_MouseMove(int, int, float, float y) {
  if (dragging && y > -1.0f && y < 0.0f) dragMoved = moveMercury(y) || dragMoved;
}

void frmtemperature::announceReading() {
  ui::announceLater(PicTherm, [this] { return PicTherm->description(); });
}

bool frmtemperature::moveMercury(float y) {
  const int direction = Module1::conversionDirection;
  if (direction != 1 && direction != 2) return false;
  if (direction == 2 && !thermometer::isNumeric(Text1->text().toStdString())) {
    scale.messageText = thermometer::dragRefusalMessage();
    ui::MsgBox(this, scale.messageText, QStringLiteral("Data"));
    Text1->SetFocus();
    dragging = false;
    return false;
  }
  const InputUnit unit = direction == 1 ? InputUnit::Fahrenheit : InputUnit::Celsius;
  shareReading();
  leftpicindicator->setText(thermometer::unitText(unit));
  rightpicindicator->setText(thermometer::unitText(thermometer::otherUnit(unit)));
  clearPresetSelection();

  // The kind is that of the last value converted, not of the dragged one.
  switch (thermometer::kindOf(Module1::valueToConvert)) {
    case ScaleKind::PositiveInteger:
      direction == 1 ? do_redrawpositiveinteger(y) : do_redrawcelciuspositiveinteger(y);
      break;
    case ScaleKind::PositiveDecimal:
      direction == 1 ? do_redrawpositivedecimal(y) : do_redrawcelciuspositivedecimal(y);
      break;
    case ScaleKind::NegativeDecimal:
      direction == 1 ? do_redrawnegativedecimal(y) : do_redrawcelciusnegativedecimal(y);
      break;
    case ScaleKind::NegativeInteger:
      direction == 1 ? do_redrawnegativeinteger(y) : do_redrawcelciusnegativeinteger(y);
      break;
  }
  return true;
}

void frmtemperature::redraw(InputUnit unit, ScaleKind kind, float y) {
  auto handed = controls();
  thermometer::redrawAtHeight(handed, scale, unit, kind, y, decimalPlaces);
}

void frmtemperature::do_redrawpositiveinteger(float y) {
  redraw(InputUnit::Fahrenheit, ScaleKind::PositiveInteger, y);
}
void frmtemperature::do_redrawpositivedecimal(float y) {
  redraw(InputUnit::Fahrenheit, ScaleKind::PositiveDecimal, y);
}
void frmtemperature::do_redrawnegativedecimal(float y) {
  redraw(InputUnit::Fahrenheit, ScaleKind::NegativeDecimal, y);
}
void frmtemperature::do_redrawnegativeinteger(float y) {
  redraw(InputUnit::Fahrenheit, ScaleKind::NegativeInteger, y);
}
void frmtemperature::do_redrawcelciuspositiveinteger(float y) {
  redraw(InputUnit::Celsius, ScaleKind::PositiveInteger, y);
}
void frmtemperature::do_redrawcelciuspositivedecimal(float y) {
  redraw(InputUnit::Celsius, ScaleKind::PositiveDecimal, y);
}
void frmtemperature::do_redrawcelciusnegativedecimal(float y) {
  redraw(InputUnit::Celsius, ScaleKind::NegativeDecimal, y);
}
void frmtemperature::do_redrawcelciusnegativeinteger(float y) {
  redraw(InputUnit::Celsius, ScaleKind::NegativeInteger, y);
}
