// Moving the mercury with the keyboard: how far a key moves it, and the
// height it moves to, kept inside the scale as a drag is.
#pragma once

#include <optional>

namespace thermometer {

// Up and Down a hundredth of the scale, Page Up and Page Down a tenth, in
// user units (upwards is negative); nothing for any other Qt::Key.
std::optional<float> mercuryKeyStep(int key);

// `step` away from `from`, held strictly between the top (-1) and the bottom
// (0) of the scale, the band where a drag moves the mercury.
float steppedMercuryHeight(float from, float step);

}  // namespace thermometer
