// Exact decimal numbers as a digit string and a point position: the go-between
// of texts and floats, so that reading and writing never round through double.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace thermometer {

// The value 0.digits x 10^pointPosition. The digits have no leading and no
// trailing zeros; zero has no digits and is never negative.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  long long pointPosition = 0;
};

// Builds a normalised decimal from the digits before and after a point and a
// power of ten (already limited by the caller to a sane size).
DecimalDigits makeDecimal(bool negative, std::string_view integerDigits,
                          std::string_view fractionDigits, long long exponent);

// The nearest float; too small reads as +0, too large gives nothing.
std::optional<float> nearestFloat(const DecimalDigits& decimal);

// The shortest decimal that reads back as the same float; infinities and NaN,
// which have none, give zero.
DecimalDigits shortestDecimal(float value);

// Rounded half away from zero to the given number of digits after the point
// or to the given number of significant digits.
DecimalDigits roundedToDecimals(const DecimalDigits& decimal, int decimals);
DecimalDigits roundedToSignificant(const DecimalDigits& decimal, int significant);

// The digits before the point (empty below 1) and those after it (no
// trailing zeros, empty for a whole number).
std::string integerDigits(const DecimalDigits& decimal);
std::string fractionDigits(const DecimalDigits& decimal);

}  // namespace thermometer
