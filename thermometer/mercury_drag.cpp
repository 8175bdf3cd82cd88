#include "thermometer/mercury_drag.h"

#include "thermometer/text_forms.h"
#include "ui/text_box.h"

namespace thermometer {

QString dragRefusalMessage() {
  return QStringLiteral(
      "Please enter a valid number for temperature. Place negative sign\r\n"
      "only at beginning of number, and use only one decimal point.");
}

void redrawAtHeight(ThermometerControls& controls, ScaleState& state, InputUnit unit,
                    ScaleKind kind, float y, int decimalPlaces) {
  const bool integerKind = isIntegerKind(kind);
  if (integerKind && state.scaleExponent == 0) return;
  const int exponent = integerKind ? state.scaleExponent : state.decimalExponent;

  float& dragged = typedValue(state, unit);
  float& converted = convertedValue(state, unit);
  dragged = draggedValue(kind, y, exponent);
  converted = convertFrom(unit, dragged);

  // Room for the longest value a typed scale reaches (999,999,999.9999).
  if (integerKind) controls.from.setMaxLength(16);
  controls.from.setText(QString::fromStdString(groupedForm(dragged, decimalPlaces)));
  controls.to.setText(QString::fromStdString(groupedForm(converted, decimalPlaces)));
  // The mercury stops at the pointer itself.
  drawThermometer(controls.picture, kind, exponent, unit, y, {dragged, converted, decimalPlaces});
}

}  // namespace thermometer
