// Dragging the mercury: the value at the pointer's height on the scale the
// last conversion left, written into both boxes, and the thermometer drawn
// again around it. The scale itself never changes during a drag.
#pragma once

#include "thermometer/conversion_drawing.h"

namespace thermometer {

// The message when a Celsius drag finds no number in 'From'.
QString dragRefusalMessage();

// Redraws for a pointer at height y (-1 < y < 0) on a scale of the given
// kind. An integer scale that no conversion has set yet draws nothing.
void redrawAtHeight(ThermometerControls& controls, ScaleState& state, InputUnit unit,
                    ScaleKind kind, float y, int decimalPlaces);

}  // namespace thermometer
