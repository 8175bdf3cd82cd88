// Reading temperatures typed as text: a hand-written scanner, so that neither
// the C locale nor strtod's extras (inf, nan, hex, tabs) decide what a number
// is. It scans the plain notation; the user's separators are translated first.
#include "thermometer/number_reading.h"

#include <string>

#include "thermometer/decimal_digits.h"
#include "thermometer/number_separators.h"

namespace thermometer {
namespace {

// An exponent this large already puts any digits far outside a float's range;
// saturating here keeps absurd exponents from overflowing.
constexpr long long kExponentLimit = 1'000'000'000'000LL;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmedBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::size_t digitRunLength(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && isDigit(text[end])) ++end;
  return end - from;
}

long long saturatedValue(std::string_view digits) {
  long long value = 0;
  for (char digit : digits) {
    value = value * 10 + (digit - '0');
    if (value >= kExponentLimit) return kExponentLimit;
  }
  return value;
}

// Digits grouped by "," in threes: "1,234,567"; the first group has 1 to 3
// digits and no leading zero. Gives the digits without the commas.
std::optional<std::string> ungroupedDigits(std::string_view text) {
  std::string digits;
  std::size_t groupStart = 0;
  bool first = true;
  while (true) {
    const auto comma = text.find(',', groupStart);
    const auto group = text.substr(groupStart, comma - groupStart);
    const bool allDigits = digitRunLength(group, 0) == group.size();
    const bool sized =
        first ? (!group.empty() && group.size() <= 3 && group[0] != '0') : group.size() == 3;
    if (!allDigits || !sized) return std::nullopt;
    digits.append(group);
    if (comma == std::string_view::npos) return digits;
    groupStart = comma + 1;
    first = false;
  }
}

// The unsigned body of a numeric text: mantissa and optional exponent, and
// nothing else.
std::optional<DecimalDigits> scannedBody(bool negative, std::string_view body) {
  const auto exponentMark = body.find_first_of("eE");
  const auto mantissa = body.substr(0, exponentMark);
  const auto point = mantissa.find('.');
  const auto integerText = mantissa.substr(0, point);
  const auto fraction =
      point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);

  std::string integer;
  if (integerText.find(',') != std::string_view::npos) {
    auto grouped = ungroupedDigits(integerText);
    if (!grouped) return std::nullopt;
    integer = std::move(*grouped);
  } else if (digitRunLength(integerText, 0) == integerText.size()) {
    integer = integerText;
  } else {
    return std::nullopt;
  }
  if (digitRunLength(fraction, 0) != fraction.size()) return std::nullopt;
  if (integer.empty() && fraction.empty()) return std::nullopt;

  long long exponent = 0;
  if (exponentMark != std::string_view::npos) {
    auto exponentText = body.substr(exponentMark + 1);
    bool negativeExponent = false;
    if (!exponentText.empty() && (exponentText[0] == '+' || exponentText[0] == '-')) {
      negativeExponent = exponentText[0] == '-';
      exponentText.remove_prefix(1);
    }
    if (exponentText.empty() || digitRunLength(exponentText, 0) != exponentText.size()) {
      return std::nullopt;
    }
    exponent = saturatedValue(exponentText);
    if (negativeExponent) exponent = -exponent;
  }
  return makeDecimal(negative, integer, fraction, exponent);
}

std::optional<DecimalDigits> scannedPlainNumber(std::string_view text) {
  auto body = trimmedBlanks(text);
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body = trimmedBlanks(body.substr(1));
  } else if (endsInMinus(text)) {
    // Only a minus that ends the text; "5- " is not a number.
    negative = true;
    body = trimmedBlanks(body.substr(0, body.size() - 1));
  }
  return scannedBody(negative, body);
}

std::optional<DecimalDigits> scannedNumber(std::string_view text) {
  return scannedPlainNumber(inPlainNotation(text));
}

}  // namespace

bool endsInMinus(std::string_view text) { return !text.empty() && text.back() == '-'; }

bool isNumeric(std::string_view text) { return scannedNumber(text).has_value(); }

std::optional<float> readNumber(std::string_view text) {
  const auto decimal = scannedNumber(text);
  if (!decimal) return std::nullopt;
  return nearestFloat(*decimal);
}

std::optional<float> readPlainNumber(std::string_view text) {
  const auto decimal = scannedPlainNumber(text);
  if (!decimal) return std::nullopt;
  return nearestFloat(*decimal);
}

std::optional<float> leadingNumberValue(std::string_view text) {
  std::string packed;
  for (char c : text) {
    if (c != ' ') packed.push_back(c);
  }
  const std::string plain = inPlainNotation(packed);
  const std::string_view rest = plain;

  std::size_t position = 0;
  bool negative = false;
  if (position < rest.size() && (rest[position] == '+' || rest[position] == '-')) {
    negative = rest[position] == '-';
    ++position;
  }
  const auto integer = rest.substr(position, digitRunLength(rest, position));
  position += integer.size();
  std::string_view fraction;
  if (position < rest.size() && rest[position] == '.') {
    fraction = rest.substr(position + 1, digitRunLength(rest, position + 1));
    position += 1 + fraction.size();
  }
  if (integer.empty() && fraction.empty()) return 0.0f;

  // The exponent counts only when digits follow its letter and sign.
  long long exponent = 0;
  if (position < rest.size() && (rest[position] == 'e' || rest[position] == 'E')) {
    std::size_t digitsStart = position + 1;
    bool negativeExponent = false;
    if (digitsStart < rest.size() && (rest[digitsStart] == '+' || rest[digitsStart] == '-')) {
      negativeExponent = rest[digitsStart] == '-';
      ++digitsStart;
    }
    const auto digits = rest.substr(digitsStart, digitRunLength(rest, digitsStart));
    if (!digits.empty())
      exponent = negativeExponent ? -saturatedValue(digits) : saturatedValue(digits);
  }
  return nearestFloat(makeDecimal(negative, integer, fraction, exponent));
}

}  // namespace thermometer
