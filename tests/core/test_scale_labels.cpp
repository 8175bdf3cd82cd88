// The labels of both scales: where each stands and what it says, on every scale the four kinds can
// have; and the conversions they show.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "thermometer/number_reading.h"
#include "thermometer/scale.h"

namespace thermometer {
namespace {

using enum ScaleKind;

// A label read back: plain texts as typed ones are read, exponent forms ("-1.07E4") by their
// mantissa and power.
double valueOf(const std::string& text) {
  const auto mark = text.find('E');
  if (mark == std::string::npos) return readNumber(text).value_or(NAN);
  return std::stod(text.substr(0, mark)) * std::pow(10.0, std::stoi(text.substr(mark + 1)));
}

// Every scale of every kind: each label stands a little above its tick, reads back as the tick's
// value (the right one as its conversion, exponent forms cut to three digits), and starts where its
// kind and length put it.
TEST(ScaleLabels, EveryLabelOfEveryScale) {
  const float integerX[2][6] = {{-0.3f, -0.4f, -0.5f, -0.65f, -0.75f, -0.85f},
                                {-0.32f, -0.36f, -0.48f, -0.58f, -0.72f, -0.8f}};
  const float decimalX[] = {-0.48f, -0.58f, -0.69f, -0.79f, -0.9f};
  const std::regex plain(R"([ -]?\d{1,3}(,\d{3})*(\.\d+)?|[ -]?0?\.\d+)");
  const std::regex exponentLeft(R"(-?\d\.0E\d+|-?\d+\.0E-\d+)"), exponentRight(R"(-?\d\.\d\dE\d+)");
  for (const ScaleKind kind :
       {PositiveInteger, NegativeInteger, PositiveDecimal, NegativeDecimal}) {
    const bool integer = kind == PositiveInteger || kind == NegativeInteger;
    const bool negative = kind == NegativeInteger || kind == NegativeDecimal;
    for (int exponent = integer ? 1 : 0; exponent <= (integer ? 38 : 30); ++exponent) {
      for (const InputUnit unit : {InputUnit::Fahrenheit, InputUnit::Celsius}) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << int(kind) << " exponent " << exponent << " unit " << int(unit));
        const auto left = leftLabels(kind, exponent), right = rightLabels(kind, exponent, unit);
        ASSERT_EQ(std::pair(left.size(), right.size()), std::pair(10ul, 10ul));
        for (int i = 0; i < 10; ++i) {
          SCOPED_TRACE(left[i].text + " | " + right[i].text);
          const int k = negative ? i : i + 1;  // the tick's place from the top or the bottom
          const double tickY = negative ? -1 + k / 10.0 : -k / 10.0;
          const double tick =
              (negative ? -k : k) * std::pow(10.0, integer ? exponent - 1 : -exponent - 1);
          EXPECT_NEAR(left[i].y, tickY - 0.018, 1e-6);
          EXPECT_EQ(std::pair(right[i].x, right[i].y), std::pair(0.1f, left[i].y));
          EXPECT_NEAR(valueOf(left[i].text), tick, std::fabs(tick) * 1e-6);
          const double converted =
              unit == InputUnit::Fahrenheit ? (tick - 32) * 5 / 9 : tick * 9 / 5 + 32;
          const double shown = valueOf(right[i].text);
          if (right[i].text.find('E') == std::string::npos) {
            EXPECT_NEAR(shown, converted, (integer ? 0.05 : 0.00005) + std::fabs(converted) * 1e-6);
          } else {
            EXPECT_LE(std::fabs(shown), std::fabs(converted) * (1 + 1e-6));
            EXPECT_GT(std::fabs(shown), std::fabs(converted) * 0.99);
          }
          EXPECT_TRUE(std::regex_match(right[i].text, plain) ||
                      std::regex_match(right[i].text, exponentRight));
          const bool exponentForm = std::regex_match(left[i].text, exponentLeft);
          EXPECT_TRUE(exponentForm || std::regex_match(left[i].text, plain));
          if (integer) {
            // The fixed form's length: sign, digits, point and two decimals.
            const int fixedLength = (tick < 0) + (k == 0 ? 1 : exponent + (k == 10)) + 3;
            EXPECT_EQ(exponentForm, fixedLength >= 10);
            EXPECT_EQ(left[i].x, exponentForm ? (negative ? -0.7f : -0.65f)
                                              : integerX[negative][fixedLength - 4]);
          } else {
            EXPECT_EQ(exponentForm, exponent >= 5);
            EXPECT_EQ(left[i].x, exponent >= 5 ? -0.73f : decimalX[exponent]);
          }
        }
      }
    }
  }
}

// Float arithmetic would give -295.500031 and -867.460083; the latter shows as -867.4601 with four
// decimals.
TEST(Scale, ConversionsRoundOnceFromDouble) {
  EXPECT_EQ(fahrenheitToCelsius(-499.9f), -295.5f);
  EXPECT_EQ(celsiusToFahrenheit(-499.7f), -867.4600219726562f);
}

}  // namespace
}  // namespace thermometer
