// The thermometer's scale model: kinds, exponents, mercury, drag and labels.
#include "thermometer/scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "thermometer/number_separators.h"
#include "thermometer/text_forms.h"

namespace thermometer {
namespace {

// Labels are printed with their top this far above their tick.
constexpr double kLabelRaise = 0.018;
constexpr float kRightLabelX = 0.1f;

// Left label x of the integer kinds by the length of the tick's fixed form,
// from 4 characters up to 9; longer ticks are written in exponent form.
constexpr float kPositiveIntegerX[] = {-0.3f, -0.4f, -0.5f, -0.65f, -0.75f, -0.85f};
constexpr float kNegativeIntegerX[] = {-0.32f, -0.36f, -0.48f, -0.58f, -0.72f, -0.8f};
constexpr std::size_t kShortestFixedForm = 4;
constexpr float kPositiveExponentX = -0.65f;
constexpr float kNegativeExponentX = -0.7f;

// Left label x of the decimal kinds by d; from kFirstExponentDecade on the
// labels are written in exponent form.
constexpr float kDecimalX[] = {-0.48f, -0.58f, -0.69f, -0.79f, -0.9f};
constexpr int kFirstExponentDecade = 5;
constexpr float kDecimalExponentX = -0.73f;
static_assert(std::size(kDecimalX) == kFirstExponentDecade);

// Right labels whose fixed form is longer than this are written in exponent form.
constexpr std::size_t kLongestConvertedText = 8;
constexpr int kConvertedDecimals = 1;
constexpr int kConvertedDecimalDecimals = 4;

// Values of this magnitude or more would have a top past the largest float.
constexpr double kLargestScaledMagnitude = 1e38;

constexpr int kTicksPerScale = 10;

struct Tick {
  int index;    // 0 at the top of a negative scale, 10 at the top of a positive one
  float value;  // in the input unit
  double y;
};

double powerOfTen(int exponent) { return std::pow(10.0, exponent); }

float labelY(const Tick& tick) { return static_cast<float>(tick.y - kLabelRaise); }

// The labelled ticks in drawing order; the bottom end stays unlabelled.
std::vector<Tick> ticksOf(ScaleKind kind, int exponent) {
  std::vector<Tick> ticks;
  const double power = powerOfTen(exponent);
  switch (kind) {
    case ScaleKind::PositiveInteger:
      for (int k = 1; k <= kTicksPerScale; ++k) {
        ticks.push_back({k, static_cast<float>(power * k / kTicksPerScale), -k / 10.0});
      }
      break;
    case ScaleKind::NegativeInteger: {
      // A single-precision fraction that grows by 0.1f: ten steps from 0 to
      // 0.90000010, and the tick values keep that rounding.
      int index = 0;
      for (float fraction = 0; fraction <= 1; fraction += 0.1f) {
        const double exact = fraction;
        ticks.push_back({index++, static_cast<float>(-exact * power), -(1 - exact)});
      }
      break;
    }
    case ScaleKind::PositiveDecimal:
      for (int k = 1; k <= kTicksPerScale; ++k) {
        ticks.push_back({k, static_cast<float>((k / 10.0) / power), -k / 10.0});
      }
      break;
    case ScaleKind::NegativeDecimal:
      for (int k = 0; k < kTicksPerScale; ++k) {
        ticks.push_back({k, static_cast<float>(-(k / 10.0) / power), -(1 - k / 10.0)});
      }
      break;
  }
  return ticks;
}

// The 1-based position of the point in a fixed form, less `offset`: the
// power of ten of its leading digit, counted past an optional sign.
std::string pointExponent(const std::string& fixed, std::size_t offset) {
  return std::to_string(static_cast<long long>(fixed.find('.') + 1) -
                        static_cast<long long>(offset));
}

Label integerLeftLabel(bool negativeScale, const Tick& tick) {
  const std::string fixed = fixedForm(tick.value);
  const auto& table = negativeScale ? kNegativeIntegerX : kPositiveIntegerX;
  const std::size_t row = fixed.size() - std::min(fixed.size(), kShortestFixedForm);
  if (row < std::size(table)) {
    return {table[row], labelY(tick), groupedForm(tick.value, 0)};
  }
  if (negativeScale && fixed.front() == '-') {
    return {kNegativeExponentX, labelY(tick),
            inUserNotation("-" + fixed.substr(1, 1) + ".0E" + pointExponent(fixed, 3))};
  }
  return {kPositiveExponentX, labelY(tick),
          inUserNotation(fixed.substr(0, 1) + ".0E" + pointExponent(fixed, 2))};
}

Label decimalLeftLabel(bool negativeScale, const Tick& tick, int exponent) {
  if (exponent >= 0 && exponent < kFirstExponentDecade) {
    return {kDecimalX[exponent], labelY(tick), generalForm(tick.value)};
  }
  // The top of a negative scale is zero, which takes no minus sign.
  const std::string sign = negativeScale && tick.index != 0 ? "-" : "";
  return {
      kDecimalExponentX, labelY(tick),
      inUserNotation(sign + std::to_string(tick.index) + ".0E-" + std::to_string(exponent + 1))};
}

// Long converted values keep three digits, cut rather than rounded.
std::string convertedIntegerText(float converted) {
  const std::string fixed = fixedForm(converted);
  if (fixed.size() <= kLongestConvertedText) return groupedForm(converted, kConvertedDecimals);
  if (fixed.front() == '-') {
    return inUserNotation("-" + fixed.substr(1, 1) + "." + fixed.substr(2, 2) + "E" +
                          pointExponent(fixed, 3));
  }
  return inUserNotation(fixed.substr(0, 1) + "." + fixed.substr(1, 2) + "E" +
                        pointExponent(fixed, 2));
}

}  // namespace

ScaleKind kindOf(float value) {
  if (value >= 1) return ScaleKind::PositiveInteger;
  if (value >= 0) return ScaleKind::PositiveDecimal;
  if (value > -1) return ScaleKind::NegativeDecimal;
  return ScaleKind::NegativeInteger;
}

bool isIntegerKind(ScaleKind kind) {
  return kind == ScaleKind::PositiveInteger || kind == ScaleKind::NegativeInteger;
}

float fahrenheitToCelsius(float fahrenheit) {
  return static_cast<float>((static_cast<double>(fahrenheit) - 32) * (5.0 / 9.0));
}

float celsiusToFahrenheit(float celsius) {
  return static_cast<float>(static_cast<double>(celsius) * 9 / 5 + 32);
}

float convertFrom(InputUnit unit, float value) {
  return unit == InputUnit::Fahrenheit ? fahrenheitToCelsius(value) : celsiusToFahrenheit(value);
}

bool hasScale(float value) {
  return std::isfinite(value) && std::fabs(static_cast<double>(value)) < kLargestScaledMagnitude;
}

std::string integerText(float value) {
  // Every float from 2^24 up is a whole number, so the floor is exact in double
  // and written digit for digit, however long.
  const double floored = std::floor(static_cast<double>(value));
  char digits[64];
  const auto written = std::to_chars(digits, digits + sizeof digits, std::fabs(floored),
                                     std::chars_format::fixed, 0);
  return (floored < 0 ? "-" : " ") + std::string(digits, written.ptr);
}

int integerScaleExponent(float value) { return static_cast<int>(integerText(value).size()) - 1; }

int decimalScaleExponent(float value) {
  const std::string text = shortForm(value);
  const auto point = text.find('.');
  if (point == std::string::npos) return 0;
  const auto firstNonZero = text.find_first_not_of('0', point + 1);
  const auto end = firstNonZero == std::string::npos ? text.size() : firstNonZero;
  return static_cast<int>(end - point - 1);
}

int scaleExponentFor(float value) {
  return isIntegerKind(kindOf(value)) ? integerScaleExponent(value) : decimalScaleExponent(value);
}

float mercuryLevel(ScaleKind kind, float value, int exponent) {
  const double v = value;
  const double power = powerOfTen(exponent);
  switch (kind) {
    case ScaleKind::PositiveInteger:
      return static_cast<float>(-v / power);
    case ScaleKind::NegativeInteger:
      return static_cast<float>(-(1 + v / power));
    case ScaleKind::PositiveDecimal:
      return static_cast<float>(-(v * power));
    case ScaleKind::NegativeDecimal:
      return static_cast<float>(-(1 + v * power));
  }
  return 0;
}

float draggedValue(ScaleKind kind, float y, int exponent) {
  const double height = y;
  const double power = powerOfTen(exponent);
  switch (kind) {
    case ScaleKind::PositiveInteger:
      return static_cast<float>(-height * power);
    case ScaleKind::NegativeInteger:
      return static_cast<float>((-1 - height) * power);
    case ScaleKind::PositiveDecimal:
      return static_cast<float>(-height / power);
    case ScaleKind::NegativeDecimal:
      return static_cast<float>(-(height + 1) / power);
  }
  return 0;
}

std::vector<Label> leftLabels(ScaleKind kind, int exponent) {
  const bool negativeScale =
      kind == ScaleKind::NegativeInteger || kind == ScaleKind::NegativeDecimal;
  std::vector<Label> labels;
  for (const Tick& tick : ticksOf(kind, exponent)) {
    labels.push_back(isIntegerKind(kind) ? integerLeftLabel(negativeScale, tick)
                                         : decimalLeftLabel(negativeScale, tick, exponent));
  }
  return labels;
}

std::vector<Label> rightLabels(ScaleKind kind, int exponent, InputUnit unit) {
  std::vector<Label> labels;
  for (const Tick& tick : ticksOf(kind, exponent)) {
    const float converted = convertFrom(unit, tick.value);
    labels.push_back({kRightLabelX, labelY(tick),
                      isIntegerKind(kind) ? convertedIntegerText(converted)
                                          : groupedForm(converted, kConvertedDecimalDecimals)});
  }
  return labels;
}

}  // namespace thermometer
