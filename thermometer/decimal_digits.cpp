// Exact decimal numbers as a digit string and a point position.
#include "thermometer/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <string>

namespace thermometer {
namespace {

// Beyond these a decimal is surely out of a float's range (10^39 is past the
// largest float, 10^-50 below half the smallest), so no digits are parsed.
constexpr long long kOverflowPointPosition = 40;
constexpr long long kUnderflowPointPosition = -50;

// A float's rounding is decided within its first 113 significant digits;
// longer texts keep this many and a sticky nonzero digit for the rest.
constexpr std::size_t kDigitsKept = 200;

DecimalDigits normalised(DecimalDigits decimal) {
  const auto firstNonZero = decimal.digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return {};
  decimal.digits.erase(0, firstNonZero);
  decimal.pointPosition -= static_cast<long long>(firstNonZero);
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return decimal;
}

// Keeps the first `kept` digits and rounds half away from zero on the rest.
DecimalDigits roundedAt(const DecimalDigits& decimal, long long kept) {
  if (kept >= static_cast<long long>(decimal.digits.size())) return decimal;
  if (kept < 0) return {};
  DecimalDigits rounded = decimal;
  const bool roundUp = rounded.digits[kept] >= '5';
  rounded.digits.resize(kept);
  if (roundUp) {
    auto position = rounded.digits.size();
    while (position > 0 && rounded.digits[position - 1] == '9') {
      rounded.digits[--position] = '0';
    }
    if (position == 0) {
      rounded.digits.insert(rounded.digits.begin(), '1');
      ++rounded.pointPosition;
    } else {
      ++rounded.digits[position - 1];
    }
  }
  return normalised(rounded);
}

}  // namespace

DecimalDigits makeDecimal(bool negative, std::string_view integerDigits,
                          std::string_view fractionDigits, long long exponent) {
  DecimalDigits decimal;
  decimal.negative = negative;
  decimal.digits.reserve(integerDigits.size() + fractionDigits.size());
  decimal.digits.append(integerDigits).append(fractionDigits);
  decimal.pointPosition = static_cast<long long>(integerDigits.size()) + exponent;
  return normalised(decimal);
}

std::optional<float> nearestFloat(const DecimalDigits& decimal) {
  if (decimal.digits.empty() || decimal.pointPosition < kUnderflowPointPosition) return 0.0f;
  if (decimal.pointPosition > kOverflowPointPosition) return std::nullopt;

  std::string text = "0.";
  if (decimal.digits.size() > kDigitsKept) {
    text.append(decimal.digits, 0, kDigitsKept).push_back('1');
  } else {
    text.append(decimal.digits);
  }
  text.append("e").append(std::to_string(decimal.pointPosition));

  float magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (decimal.pointPosition > 0) return std::nullopt;
    return 0.0f;
  }
  if (error != std::errc{} || end != text.data() + text.size() || std::isinf(magnitude)) {
    return std::nullopt;
  }
  return decimal.negative ? -magnitude : magnitude;
}

DecimalDigits shortestDecimal(float value) {
  if (!std::isfinite(value)) return {};
  // Scientific form: one digit, an optional point and more digits, "e", exponent.
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::scientific);
  const std::string_view text(buffer, written.ptr - buffer);
  const auto exponentMark = text.find('e');
  const std::string_view mantissa = text.substr(0, exponentMark);
  std::string_view exponentText = text.substr(exponentMark + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  const std::string_view fraction = mantissa.size() > 2 ? mantissa.substr(2) : std::string_view{};
  return makeDecimal(std::signbit(value), mantissa.substr(0, 1), fraction, exponent);
}

DecimalDigits roundedToDecimals(const DecimalDigits& decimal, int decimals) {
  return roundedAt(decimal, decimal.pointPosition + decimals);
}

DecimalDigits roundedToSignificant(const DecimalDigits& decimal, int significant) {
  return roundedAt(decimal, significant);
}

std::string integerDigits(const DecimalDigits& decimal) {
  if (decimal.pointPosition <= 0) return {};
  const auto size = static_cast<long long>(decimal.digits.size());
  if (decimal.pointPosition <= size) return decimal.digits.substr(0, decimal.pointPosition);
  return decimal.digits + std::string(decimal.pointPosition - size, '0');
}

std::string fractionDigits(const DecimalDigits& decimal) {
  const auto size = static_cast<long long>(decimal.digits.size());
  if (decimal.pointPosition >= size) return {};
  if (decimal.pointPosition >= 0) return decimal.digits.substr(decimal.pointPosition);
  return std::string(-decimal.pointPosition, '0') + decimal.digits;
}

}  // namespace thermometer
