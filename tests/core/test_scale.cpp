// The scale model: kinds, exponents, mercury, drag and conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "thermometer/scale.h"

namespace thermometer {
namespace {

TEST(Scale, KindExponentAndMercuryOfEachValue) {
  using enum ScaleKind;
  struct KindCase {
    float value;
    ScaleKind kind;
    int exponent;
    float mercury;
  };
  // clang-format off
  const std::vector<KindCase> cases = {
      {1, PositiveInteger, 1, -0.1f},           {0.99999f, PositiveDecimal, 0, -0.99999f},
      {0, PositiveDecimal, 0, 0},               {-0.00001f, NegativeDecimal, 4, -0.9f},
      {-1, NegativeInteger, 1, -0.9f},          {-0.5f, NegativeDecimal, 0, -0.5f},
      {9.99f, PositiveInteger, 1, -0.999f},     {10, PositiveInteger, 2, -0.1f},
      {-9.5f, NegativeInteger, 2, -0.905f},     {0.00012f, PositiveDecimal, 3, -0.12f},
      {0.000001f, PositiveDecimal, 5, -0.1f},   {1e38f, PositiveInteger, 38, -1},
      // Stored as 10^9, a digit longer than it was typed.
      {999999999.0f, PositiveInteger, 10, -0.1f},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    EXPECT_EQ(kindOf(c.value), c.kind);
    EXPECT_EQ(scaleExponentFor(c.value), c.exponent);
    const float level = mercuryLevel(c.kind, c.value, c.exponent);
    EXPECT_NEAR(level, c.mercury, 1e-6);
    // Dragging to the mercury's top gives the value back.
    EXPECT_NEAR(draggedValue(c.kind, level, c.exponent), c.value, std::fabs(c.value) * 1e-6);
  }
}

// Float arithmetic would give -295.500031 and -867.460083; the latter shows
// as -867.4601 with four decimals.
TEST(Scale, ConversionsRoundOnceFromDouble) {
  EXPECT_EQ(fahrenheitToCelsius(-499.9f), -295.5f);
  EXPECT_EQ(celsiusToFahrenheit(-499.7f), -867.4600219726562f);
}

}  // namespace
}  // namespace thermometer
