// The four ways the program writes a number, built on exact decimal digits so
// that neither the C library's locale nor binary rounding shows through; the
// forms the user sees get the user's separators last. Infinities and NaN
// write nothing: no text of the program may read "inf".
#include "thermometer/text_forms.h"

#include <algorithm>
#include <cmath>

#include "thermometer/decimal_digits.h"
#include "thermometer/number_separators.h"

namespace thermometer {
namespace {

// The short and general forms show what a single-precision value means to a
// reader, not the noise in its last binary digits.
constexpr int kSignificantDigits = 7;
constexpr int kFixedDecimals = 2;

std::string grouped(const std::string& digits) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(digits[i]);
  }
  return text;
}

std::string withDecimals(const DecimalDigits& rounded, std::string integer, int decimals) {
  if (integer.empty()) integer = "0";
  if (decimals <= 0) return integer;
  std::string fraction = fractionDigits(rounded);
  fraction.resize(decimals, '0');
  return integer + "." + fraction;
}

// Up to seven significant digits with no trailing zeros; `zeroBeforePoint`
// tells the general form from the short one.
std::string significantForm(float value, bool zeroBeforePoint) {
  if (!std::isfinite(value)) return {};
  const auto rounded = roundedToSignificant(shortestDecimal(value), kSignificantDigits);
  std::string text = rounded.negative ? "-" : " ";
  std::string integer = integerDigits(rounded);
  const std::string fraction = fractionDigits(rounded);
  if (integer.empty() && (zeroBeforePoint || fraction.empty())) integer = "0";
  text += integer;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

}  // namespace

std::string shortForm(float value) { return significantForm(value, false); }

std::string generalForm(float value) { return inUserNotation(significantForm(value, true)); }

std::string fixedForm(float value) {
  if (!std::isfinite(value)) return {};
  const auto rounded = roundedToDecimals(shortestDecimal(value), kFixedDecimals);
  return (rounded.negative ? "-" : "") +
         withDecimals(rounded, integerDigits(rounded), kFixedDecimals);
}

std::string groupedForm(float value, int decimals) {
  if (!std::isfinite(value)) return {};
  decimals = std::max(decimals, 0);
  const auto rounded = roundedToDecimals(shortestDecimal(value), decimals);
  return inUserNotation((rounded.negative ? "-" : "") +
                        withDecimals(rounded, grouped(integerDigits(rounded)), decimals));
}

}  // namespace thermometer
