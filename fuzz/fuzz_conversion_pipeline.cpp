// Fuzzes the text-to-drawing pipeline as the main window runs it: a few
// rounds of a 'From' text, a direction and decimal places, Convert, then drags
// at arbitrary heights, with the working values carried from round to round.
// Checks what must always hold for a person looking at the thermometer.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "thermometer/number_reading.h"
#include "thermometer/scale.h"
#include "thermometer/text_forms.h"

using namespace thermometer;

namespace {

constexpr int kMaxRounds = 4;
constexpr int kMaxDrags = 16;

// What the main window keeps between events.
struct Window {
  std::string from = "0";
  float valueToConvert = 0;
  int scaleExponent = 0;    // of the integer kinds
  int decimalExponent = 0;  // of the decimal kinds
};

bool endsInMinus(std::string_view text) { return !text.empty() && text.back() == '-'; }

// Every number the program writes is numeric and reads back.
void checkWrittenNumber(const std::string& text) {
  CHECK(isNumeric(text));
  const auto read = readNumber(text);
  CHECK(read && std::isfinite(*read));
}

void checkLabels(const std::vector<Label>& labels) {
  CHECK(labels.size() == 10);
  for (const Label& label : labels) {
    CHECK(label.x >= -1 && label.x <= 1);
    CHECK(label.y >= -1.15f && label.y <= 0.33f);
    CHECK(!label.text.empty());
    for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
      CHECK(label.text.find(bad) == std::string::npos);
    }
  }
}

void checkDrawing(ScaleKind kind, int exponent, InputUnit unit, float mercuryTop) {
  CHECK(mercuryTop >= -1 && mercuryTop <= 0);
  checkLabels(leftLabels(kind, exponent));
  checkLabels(rightLabels(kind, exponent, unit));
}

// The ends of a scale, widened by one float rounding (subnormals included)
// for the double arithmetic that lands on the float just past an end.
void checkOnScale(ScaleKind kind, int exponent, float value) {
  const double power = std::pow(10.0, exponent);
  const auto top = static_cast<float>(isIntegerKind(kind) ? power : 1 / power);
  const float limit = std::nextafter(top, std::numeric_limits<float>::infinity());
  const bool positive = kind == ScaleKind::PositiveInteger || kind == ScaleKind::PositiveDecimal;
  if (positive) {
    CHECK(value >= 0 && value <= limit);
  } else {
    CHECK(value <= 0 && value >= -limit);
  }
}

// Convert: the reading into valueToConvert, then the conversion procedure.
void convert(Window& window, InputUnit unit, int decimals) {
  const std::string& text = window.from;
  if (isNumeric(text) || endsInMinus(text)) {
    const auto value =
        isNumeric(text) && !endsInMinus(text) ? readNumber(text) : leadingNumberValue(text);
    if (value) {
      CHECK(std::isfinite(*value));
      window.valueToConvert = *value;
    }
  }
  if (endsInMinus(text)) return;
  const auto typed = readNumber(text);
  if (!typed || !hasScale(*typed)) return;

  const ScaleKind kind = kindOf(*typed);
  int exponent;
  if (isIntegerKind(kind)) {
    exponent = window.scaleExponent = integerScaleExponent(*typed);
    CHECK(exponent >= 1 && exponent <= 38);
  } else {
    exponent = window.decimalExponent = decimalScaleExponent(*typed);
    CHECK(exponent >= 0 && exponent <= 45);
  }
  checkOnScale(kind, exponent, *typed);
  checkWrittenNumber(groupedForm(convertFrom(unit, *typed), decimals));
  checkDrawing(kind, exponent, unit, mercuryLevel(kind, *typed, exponent));
}

// One pointer move inside the scale while the mercury is held. Gives false
// when the drag is refused and ends.
bool drag(Window& window, InputUnit unit, int decimals, float y) {
  if (unit == InputUnit::Celsius && !isNumeric(window.from)) return false;
  const ScaleKind kind = kindOf(window.valueToConvert);
  const bool integerKind = isIntegerKind(kind);
  if (integerKind && window.scaleExponent == 0) return true;
  const int exponent = integerKind ? window.scaleExponent : window.decimalExponent;

  const float dragged = draggedValue(kind, y, exponent);
  checkOnScale(kind, exponent, dragged);
  window.from = groupedForm(dragged, decimals);
  checkWrittenNumber(window.from);
  // What a drag writes, Convert takes again.
  CHECK(hasScale(*readNumber(window.from)));
  checkWrittenNumber(groupedForm(convertFrom(unit, dragged), decimals));
  checkDrawing(kind, exponent, unit, y);
  return true;
}

// One round per line: the 'From' text, then optionally a tab and control
// bytes: the direction (odd: Celsius to Fahrenheit), the decimal places ('1'
// to '4' read as themselves), and three bytes for each drag height. So a
// plain text seed is one Convert in Fahrenheit with two decimals, and an empty
// text converts again what the box holds.
struct Round {
  std::string_view text;
  InputUnit unit = InputUnit::Fahrenheit;
  int decimals = 2;
  std::string_view heights;
};

Round parsedRound(std::string_view line) {
  Round round;
  const auto tab = line.find('\t');
  round.text = line.substr(0, tab);
  if (tab == std::string_view::npos) return round;
  std::string_view controls = line.substr(tab + 1);
  if (!controls.empty()) {
    if (controls[0] & 1) round.unit = InputUnit::Celsius;
    controls.remove_prefix(1);
  }
  if (!controls.empty()) {
    round.decimals = (static_cast<unsigned char>(controls[0]) + 3) % 4 + 1;
    controls.remove_prefix(1);
  }
  round.heights = controls;
  return round;
}

// Any of the 2^24 - 1 heights strictly inside the scale, each an exact float.
float heightAt(std::string_view bytes) {
  uint32_t bits = 0;
  for (char byte : bytes) bits = bits << 8 | static_cast<unsigned char>(byte);
  const uint32_t steps = (1u << 24) - 1;
  return -static_cast<float>(bits % steps + 1) * 0x1p-24f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Window window;
  for (int count = 0; count < kMaxRounds && !input.empty(); ++count) {
    const auto newline = input.find('\n');
    const Round round = parsedRound(input.substr(0, newline));
    input = newline == std::string_view::npos ? std::string_view{} : input.substr(newline + 1);

    // An empty text keeps what the box holds, such as a dragged value.
    if (!round.text.empty()) window.from = std::string(round.text);
    convert(window, round.unit, round.decimals);
    std::string_view heights = round.heights;
    for (int move = 0; move < kMaxDrags && heights.size() >= 3; ++move) {
      if (!drag(window, round.unit, round.decimals, heightAt(heights.substr(0, 3)))) break;
      heights.remove_prefix(3);
    }
  }
  return 0;
}
