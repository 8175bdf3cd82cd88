// Drawing a conversion onto the thermometer: checking the typed text,
// converting it, choosing its scale and drawing the mercury and both scales.
// It works on the controls and fields it is handed, never on a window.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "thermometer/reading_description.h"
#include "thermometer/scale.h"

class QLabel;
namespace ui {
class PictureBox;
class TextBox;
}  // namespace ui

namespace thermometer {

// The working values a conversion leaves behind for the next drag.
struct ScaleState {
  float celsiusValue = 0;
  float fahrenheitValue = 0;
  QString messageText;
  int16_t scaleExponent = 0;    // n of the integer kinds
  int16_t decimalExponent = 0;  // d of the decimal kinds
  float mercuryLevel = 0;
};

// The controls a conversion reads and writes.
struct ThermometerControls {
  ui::PictureBox& picture;
  ui::TextBox& from;
  ui::TextBox& to;
  QLabel& leftUnit;
  QLabel& rightUnit;
};

// "°F" or "°C".
QString unitText(InputUnit unit);
InputUnit otherUnit(InputUnit unit);

// The field that holds the value in the input unit, and the one that holds
// its conversion.
float& typedValue(ScaleState& state, InputUnit unit);
float& convertedValue(ScaleState& state, InputUnit unit);

// Erases the picture, checks the 'From' text, sets both unit captions and
// stores the typed value. A text that is not a number, ends in "-" or has no
// scale is refused with a message (titled after the unit), the focus goes
// back to 'From', and nothing is returned.
std::optional<ScaleKind> beginConversion(ThermometerControls& controls, ScaleState& state,
                                         InputUnit unit);

// Converts the stored value, shows the result with `decimalPlaces` decimals,
// finds the scale of the kind and draws it.
void drawConversion(ThermometerControls& controls, ScaleState& state, InputUnit unit,
                    ScaleKind kind, int decimalPlaces);

// The drawing itself, shared by conversion and drag: erase, the mercury up
// to `mercuryTop`, the left labels, then the right labels; and for
// assistive technology, the reading as the picture's value between the
// scale's ends and in words as its description.
void drawThermometer(ui::PictureBox& picture, ScaleKind kind, int exponent, InputUnit unit,
                     float mercuryTop, const Reading& reading);

// The top of the mercury as last drawn on the picture; `undrawn` when the
// picture shows none.
float drawnMercuryTop(const ui::PictureBox& picture, float undrawn);

}  // namespace thermometer
