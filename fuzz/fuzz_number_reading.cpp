// Fuzzes the numeric test and the two readings of a typed temperature: any
// bytes, checked against the C library's correctly rounded strtof and
// against the program's own writing of the number it read; in German against
// the English reading of the same text with "." and "," swapped, and in
// French against the program's writing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "thermometer/decimal_digits.h"
#include "thermometer/number_reading.h"
#include "thermometer/number_separators.h"
#include "thermometer/text_forms.h"

using namespace thermometer;

namespace {

// The same number as strtof spells it: blanks gone, the sign in front,
// no grouping commas. Only for texts isNumeric accepts.
std::string strtofSpelling(std::string_view text) {
  std::string packed;
  for (char c : text) {
    if (c != ' ' && c != ',') packed.push_back(c);
  }
  if (!packed.empty() && packed.back() == '-' && packed.front() != '-' && packed.front() != '+') {
    packed.pop_back();
    packed.insert(packed.begin(), '-');
  }
  return packed;
}

void checkAgainstStrtof(std::string_view text, std::optional<float> read) {
  const std::string spelling = strtofSpelling(text);
  char* end = nullptr;
  const float expected = std::strtof(spelling.c_str(), &end);
  CHECK(end == spelling.c_str() + spelling.size());
  if (std::isinf(expected)) {
    CHECK(!read);
  } else {
    CHECK(read && *read == expected);
  }
}

// Every form the program writes of a value is numeric again, and reads back
// as the value itself whenever the form keeps all its digits. The fixed and
// short forms, never shown, are in plain notation, which only English reads.
void checkWrittenForms(float value, bool english) {
  const DecimalDigits shortest = shortestDecimal(value);
  const auto fractionCount = static_cast<int>(fractionDigits(shortest).size());
  const auto significantCount = static_cast<int>(shortest.digits.size());
  for (int decimals = 0; decimals <= 4; ++decimals) {
    const std::string grouped = groupedForm(value, decimals);
    CHECK(isNumeric(grouped));
    const auto reread = readNumber(grouped);
    CHECK(reread && std::isfinite(*reread));
    if (fractionCount <= decimals) CHECK(*reread == value);
  }
  const std::string exact = groupedForm(value, fractionCount);
  CHECK(readNumber(exact) == value);
  const std::string general = generalForm(value);
  CHECK(isNumeric(general));
  if (significantCount <= 7) CHECK(readNumber(general) == value);
  if (!english) return;
  const std::string fixed = fixedForm(value);
  CHECK(isNumeric(fixed));
  if (fractionCount <= 2) CHECK(readNumber(fixed) == value);
  const std::string text = shortForm(value);
  CHECK(isNumeric(text));
  if (significantCount <= 7) CHECK(readNumber(text) == value);
}

std::string swappedPointAndComma(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) c = c == '.' ? ',' : c == ',' ? '.' : c;
  return swapped;
}

void checkCommaLocales(std::string_view text) {
  const std::string english = swappedPointAndComma(text);
  const bool numeric = isNumeric(english);
  const auto read = readNumber(english);
  const auto leading = leadingNumberValue(english);
  setNumberSeparators({",", "."});
  CHECK(isNumeric(text) == numeric);
  CHECK(readNumber(text) == read);
  CHECK(leadingNumberValue(text) == leading);
  if (read) checkWrittenForms(*read, false);
  setNumberSeparators({",", "\u202F"});
  const auto french = readNumber(text);
  CHECK(!french || isNumeric(text));
  if (french) CHECK(std::isfinite(*french));
  if (french) checkWrittenForms(*french, false);
  setNumberSeparators({});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkCommaLocales(text);
  const bool numeric = isNumeric(text);
  const auto read = readNumber(text);
  CHECK(!read || numeric);
  if (read) CHECK(std::isfinite(*read));

  const auto leading = leadingNumberValue(text);
  if (leading) CHECK(std::isfinite(*leading));

  if (!numeric) return 0;
  checkAgainstStrtof(text, read);
  // Without grouping or a trailing minus both readings see the same number.
  if (text.find(',') == std::string_view::npos && text.back() != '-') CHECK(leading == read);
  if (read) checkWrittenForms(*read, true);
  return 0;
}
