#include "thermometer/conversion_drawing.h"

#include <QLabel>

#include "thermometer/mercury_keys.h"
#include "thermometer/number_reading.h"
#include "thermometer/number_separators.h"
#include "thermometer/text_forms.h"
#include "ui/message_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"

namespace thermometer {

namespace {

const QColor kMercuryColor(178, 24, 0);

const char* const kInvalidNumberMessage =
    "Please enter a valid number for temperature. Place negative\r\n"
    "sign only at beginning of number. Use only one decimal point.\r\n"
    "No spaces between digits.";

struct PrintedLabel {
  float x, y;
  QString text;
};

// Both scales' labels, left first. A drag redraws the same scale at every
// move, so the labels of the last scale drawn are kept rather than made anew;
// they are made anew for other separators too.
const std::vector<PrintedLabel>& scaleLabels(ScaleKind kind, int exponent, InputUnit unit) {
  struct Scale {
    ScaleKind kind;
    int exponent;
    InputUnit unit;
    NumberSeparators separators;
    std::vector<PrintedLabel> labels;
  };
  static Scale last{ScaleKind::PositiveInteger, -1, InputUnit::Fahrenheit, {}, {}};
  const NumberSeparators& separators = numberSeparators();
  if (last.kind != kind || last.exponent != exponent || last.unit != unit ||
      last.separators != separators || last.labels.empty()) {
    last = {kind, exponent, unit, separators, {}};
    for (const auto& side : {leftLabels(kind, exponent), rightLabels(kind, exponent, unit)})
      for (const Label& label : side)
        last.labels.push_back({label.x, label.y, QString::fromStdString(label.text)});
  }
  return last.labels;
}

}  // namespace

QString unitText(InputUnit unit) {
  return QString(QChar(176)) + (unit == InputUnit::Fahrenheit ? u'F' : u'C');
}

float& typedValue(ScaleState& state, InputUnit unit) {
  return unit == InputUnit::Fahrenheit ? state.fahrenheitValue : state.celsiusValue;
}

float& convertedValue(ScaleState& state, InputUnit unit) {
  return unit == InputUnit::Fahrenheit ? state.celsiusValue : state.fahrenheitValue;
}

InputUnit otherUnit(InputUnit unit) {
  return unit == InputUnit::Fahrenheit ? InputUnit::Celsius : InputUnit::Fahrenheit;
}

std::optional<ScaleKind> beginConversion(ThermometerControls& controls, ScaleState& state,
                                         InputUnit unit) {
  controls.picture.Cls();
  const std::string text = controls.from.text().toStdString();
  std::optional<float> value;
  if (!endsInMinus(text)) value = readNumber(text);
  if (!value || !hasScale(*value)) {
    state.messageText = QString::fromLatin1(kInvalidNumberMessage);
    ui::MsgBox(
        controls.from.window(), state.messageText,
        unit == InputUnit::Fahrenheit ? QStringLiteral("Data Entry") : QStringLiteral("Data"));
    controls.from.SetFocus();
    return std::nullopt;
  }
  controls.leftUnit.setText(unitText(unit));
  controls.rightUnit.setText(unitText(otherUnit(unit)));
  typedValue(state, unit) = *value;
  return kindOf(*value);
}

void drawConversion(ThermometerControls& controls, ScaleState& state, InputUnit unit,
                    ScaleKind kind, int decimalPlaces) {
  const float value = typedValue(state, unit);
  int exponent;
  if (isIntegerKind(kind)) {
    state.scaleExponent = static_cast<int16_t>(integerScaleExponent(value));
    exponent = state.scaleExponent;
  } else {
    state.decimalExponent = static_cast<int16_t>(decimalScaleExponent(value));
    exponent = state.decimalExponent;
  }
  const float result = convertFrom(unit, value);
  convertedValue(state, unit) = result;
  controls.to.setText(QString::fromStdString(groupedForm(result, decimalPlaces)));
  state.mercuryLevel = mercuryLevel(kind, value, exponent);
  drawThermometer(controls.picture, kind, exponent, unit, state.mercuryLevel,
                  {value, result, decimalPlaces});
}

void drawThermometer(ui::PictureBox& picture, ScaleKind kind, int exponent, InputUnit unit,
                     float mercuryTop, const Reading& reading) {
  picture.Cls();
  picture.Line(-0.07f, 0.0f, 0.0f, mercuryTop, kMercuryColor);
  for (const PrintedLabel& label : scaleLabels(kind, exponent, unit)) {
    picture.CurrentX = label.x;
    picture.CurrentY = label.y;
    picture.Print(label.text);
  }
  // A key moves the mercury by a hundredth of the scale.
  const ScaleEnds ends = scaleEnds(kind, exponent);
  const double step = (ends.top - ends.bottom) * std::abs(*mercuryKeyStep(Qt::Key_Up));
  picture.setGauge({reading.value, ends.bottom, ends.top, step},
                   [=] { return describeReading(kind, exponent, unit, reading); });
}

float drawnMercuryTop(const ui::PictureBox& picture, float undrawn) {
  for (const auto& drawn : picture.displayList())
    if (drawn.kind == ui::PictureBox::Operation::Kind::FilledBox) return drawn.y2;
  return undrawn;
}

}  // namespace thermometer
