// The thermometer's scale model: which kind of scale a value gets, its
// exponent, where the mercury stands, the value at a height, and every label
// of both scales. Positions are in the picture's user units: y = 0 is the
// bottom end of the scale, y = -1 its top end, y grows downwards.
#pragma once

#include <string>
#include <vector>

namespace thermometer {

enum class ScaleKind { PositiveInteger, NegativeInteger, PositiveDecimal, NegativeDecimal };

// The unit typed into 'From'; the right scale is in the other one.
enum class InputUnit { Fahrenheit, Celsius };

// v >= 1, v <= -1, 0 <= v < 1, -1 < v < 0.
ScaleKind kindOf(float value);
bool isIntegerKind(ScaleKind kind);

// Each formula is evaluated in double and rounded to float once.
float fahrenheitToCelsius(float fahrenheit);  // (f - 32) x (5 / 9)
float celsiusToFahrenheit(float celsius);     // c x 9 / 5 + 32
float convertFrom(InputUnit unit, float value);

// Values of this magnitude or more get no scale: its top would pass the
// largest float. Also false for infinities and NaN.
bool hasScale(float value);

// The floor of the value written in full with its sign position (" 100",
// "-10"), however large. Only for values with a scale.
std::string integerText(float value);

// n: the number of digits of the floor's magnitude (1 -> 1, 10 -> 2, -9.5 -> 2).
int integerScaleExponent(float value);

// d: the number of zeros right after the point in the short form.
int decimalScaleExponent(float value);

// The exponent of the value's own kind: n for the integer kinds, d otherwise.
int scaleExponentFor(float value);

// y of the top of the mercury for a value on its scale (0 to -1).
float mercuryLevel(ScaleKind kind, float value, int exponent);

// The value at height y on a scale; the inverse of mercuryLevel.
float draggedValue(ScaleKind kind, float y, int exponent);

struct Label {
  float x;  // left edge of the text
  float y;  // top of the text
  std::string text;
  bool operator==(const Label&) const = default;
};

// The labels of the left scale (input unit) and the right scale (the other
// unit) in drawing order, written with the user's separators; one end of
// each scale stays unlabelled.
std::vector<Label> leftLabels(ScaleKind kind, int exponent);
std::vector<Label> rightLabels(ScaleKind kind, int exponent, InputUnit unit);

}  // namespace thermometer
