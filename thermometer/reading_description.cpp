#include "thermometer/reading_description.h"

#include <cmath>

#include "thermometer/conversion_drawing.h"
#include "thermometer/text_forms.h"

namespace thermometer {
namespace {

// Each end written as the scale's own labels write numbers of its kind.
QString endText(ScaleKind kind, float end) {
  const std::string text = isIntegerKind(kind) ? groupedForm(end, 0) : generalForm(end);
  return QString::fromStdString(text).trimmed();
}

}  // namespace

ScaleEnds scaleEnds(ScaleKind kind, int exponent) {
  // 10^n for the integer kinds, 10^-d for the decimal ones.
  const float span = static_cast<float>(std::pow(10.0, isIntegerKind(kind) ? exponent : -exponent));
  const bool negative = kind == ScaleKind::NegativeInteger || kind == ScaleKind::NegativeDecimal;
  return negative ? ScaleEnds{-span, 0.0f} : ScaleEnds{0.0f, span};
}

QString describeReading(ScaleKind kind, int exponent, InputUnit unit, const Reading& reading) {
  const ScaleEnds ends = scaleEnds(kind, exponent);
  const QString unitShown = unitText(unit);
  return QStringLiteral("%1 %2 (%3 %4) on a scale from %5 to %6 %2")
      .arg(QString::fromStdString(groupedForm(reading.value, reading.decimalPlaces)), unitShown,
           QString::fromStdString(groupedForm(reading.converted, reading.decimalPlaces)),
           unitText(otherUnit(unit)), endText(kind, ends.bottom), endText(kind, ends.top));
}

}  // namespace thermometer
