// The scale model: kinds, exponents, mercury, drag and conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "thermometer/scale.h"

namespace thermometer {
namespace {

using Kind = ScaleKind;

struct KindCase {
  float value;
  Kind kind;
  int exponent;
  float mercury;
};

TEST(Scale, KindExponentAndMercuryOfEachValue) {
  const float nearest1e38 = 1e38f;
  const std::vector<KindCase> cases = {
      {1, Kind::PositiveInteger, 1, -0.1f},
      {0.99999f, Kind::PositiveDecimal, 0, -0.99999f},
      {0, Kind::PositiveDecimal, 0, 0},
      {-0.00001f, Kind::NegativeDecimal, 4, -0.9f},
      {-1, Kind::NegativeInteger, 1, -0.9f},
      {-1.00001f, Kind::NegativeInteger, 1, -0.899999f},
      {10, Kind::PositiveInteger, 2, -0.1f},
      {99.999f, Kind::PositiveInteger, 2, -0.99999f},
      {100, Kind::PositiveInteger, 3, -0.1f},
      {9.99f, Kind::PositiveInteger, 1, -0.999f},
      {-1.5f, Kind::NegativeInteger, 1, -0.85f},
      {-9.5f, Kind::NegativeInteger, 2, -0.905f},
      {-40, Kind::NegativeInteger, 2, -0.6f},
      {-0.5f, Kind::NegativeDecimal, 0, -0.5f},
      {0.05f, Kind::PositiveDecimal, 1, -0.5f},
      {-0.05f, Kind::NegativeDecimal, 1, -0.5f},
      {0.001f, Kind::PositiveDecimal, 2, -0.1f},
      {0.00012f, Kind::PositiveDecimal, 3, -0.12f},
      {0.0000105f, Kind::PositiveDecimal, 4, -0.105f},
      {0.000001f, Kind::PositiveDecimal, 5, -0.1f},
      {999999999.0f, Kind::PositiveInteger, 10, -0.1f},
      {3e9f, Kind::PositiveInteger, 10, -0.3f},
      {nearest1e38, Kind::PositiveInteger, 38, -1},
      {-nearest1e38, Kind::NegativeInteger, 38, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    EXPECT_EQ(kindOf(c.value), c.kind);
    EXPECT_EQ(scaleExponentFor(c.value), c.exponent);
    EXPECT_NEAR(mercuryLevel(c.kind, c.value, c.exponent), c.mercury, 1e-6);
    // Dragging to the mercury's top gives the value back.
    const float dragged =
        draggedValue(c.kind, mercuryLevel(c.kind, c.value, c.exponent), c.exponent);
    EXPECT_NEAR(dragged, c.value, std::fabs(c.value) * 1e-6);
  }
}

TEST(Scale, IntegerTextIsTheFloorInFull) {
  const std::vector<std::pair<float, std::string>> cases = {
      {100, " 100"},
      {-10, "-10"},
      {-1.5f, "-2"},
      {-9.5f, "-10"},
      {9.99f, " 9"},
      {3e9f, " 3000000000"},
      {999999999.0f, " 1000000000"},
      {1e38f, " 99999996802856924650656260769173209088"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(integerText(value), text) << "value " << value;
  }
}

TEST(Scale, OnlyValuesBelow1e38HaveAScale) {
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<float, bool>> cases = {
      {0, true},
      {1e38f, true},
      {-1e38f, true},
      {std::nextafter(1e38f, inf), false},
      {3.4e38f, false},
      {-std::numeric_limits<float>::max(), false},
      {inf, false},
      {-inf, false},
      {std::numeric_limits<float>::quiet_NaN(), false},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(hasScale(value), expected) << "value " << value;
  }
}

TEST(Scale, ConversionsRoundOnceFromDouble) {
  // Float arithmetic would give -295.500031 and -867.460083 for the last two.
  EXPECT_EQ(fahrenheitToCelsius(100), 37.77777862548828f);
  EXPECT_EQ(convertFrom(InputUnit::Celsius, 100), 212.0f);
  EXPECT_EQ(convertFrom(InputUnit::Fahrenheit, -40), -40.0f);
  EXPECT_EQ(celsiusToFahrenheit(-40), -40.0f);
  EXPECT_EQ(fahrenheitToCelsius(-499.9f), -295.5f);
  EXPECT_EQ(celsiusToFahrenheit(-499.7f), -867.4600219726562f);
}

}  // namespace
}  // namespace thermometer
