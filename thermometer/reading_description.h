// The thermometer put into words for assistive technology: the value at the
// mercury in both units and the range of the scale on show.
#pragma once

#include <QString>

#include "thermometer/scale.h"

namespace thermometer {

// What the mercury shows, and the decimals the 'From' and 'To' boxes use.
struct Reading {
  float value;      // on the left scale, in the input unit
  float converted;  // the same temperature in the other unit
  int decimalPlaces;
};

// The ends of the scale on show, in the input unit: 0 to 10^n for the
// positive integer kind, -10^-d to 0 for the negative decimal one, and so on.
struct ScaleEnds {
  float bottom, top;
};
ScaleEnds scaleEnds(ScaleKind kind, int exponent);

// "37.78 °F (3.21 °C) on a scale from 0 to 100 °F".
QString describeReading(ScaleKind kind, int exponent, InputUnit unit, const Reading& reading);

}  // namespace thermometer
