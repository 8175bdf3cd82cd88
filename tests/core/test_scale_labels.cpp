// The labels of both scales: positions and texts of every row.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "thermometer/scale.h"

namespace thermometer {
namespace {

using Kind = ScaleKind;

// Runs of equal x, first to last.
std::vector<float> xs(std::initializer_list<std::pair<int, float>> runs) {
  std::vector<float> result;
  for (const auto& [count, x] : runs) result.insert(result.end(), count, x);
  return result;
}

struct LabelExample {
  float value;
  InputUnit unit;
  std::vector<float> leftX;
  std::vector<std::string> left;
  std::vector<std::string> right;  // empty: not checked
};

std::vector<std::string> textsOf(const std::vector<Label>& labels) {
  std::vector<std::string> texts;
  for (const auto& label : labels) texts.push_back(label.text);
  return texts;
}

TEST(ScaleLabels, LabelsOfTheWorkedValues) {
  const auto F = InputUnit::Fahrenheit;
  const auto C = InputUnit::Celsius;
  const std::vector<LabelExample> examples = {
      {100,
       F,
       xs({{9, -0.5f}, {1, -0.65f}}),
       {"100", "200", "300", "400", "500", "600", "700", "800", "900", "1,000"},
       {"37.8", "93.3", "148.9", "204.4", "260.0", "315.6", "371.1", "426.7", "482.2", "537.8"}},
      {5,
       F,
       xs({{9, -0.3f}, {1, -0.4f}}),
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       {"-17.2", "-16.7", "-16.1", "-15.6", "-15.0", "-14.4", "-13.9", "-13.3", "-12.8", "-12.2"}},
      {0,
       F,
       xs({{10, -0.48f}}),
       {" 0.1", " 0.2", " 0.3", " 0.4", " 0.5", " 0.6", " 0.7", " 0.8", " 0.9", " 1"},
       {"-17.7222", "-17.6667", "-17.6111", "-17.5556", "-17.5000", "-17.4444", "-17.3889",
        "-17.3333", "-17.2778", "-17.2222"}},
      {-40,
       C,
       xs({{1, -0.32f}, {9, -0.48f}}),
       {"0", "-10", "-20", "-30", "-40", "-50", "-60", "-70", "-80", "-90"},
       {"32.0", "14.0", "-4.0", "-22.0", "-40.0", "-58.0", "-76.0", "-94.0", "-112.0", "-130.0"}},
      {-1000,
       C,
       xs({{1, -0.32f}, {9, -0.72f}}),
       {"0", "-1,000", "-2,000", "-3,000", "-4,000", "-5,000", "-6,000", "-7,000", "-8,000",
        "-9,000"},
       {"32.0", "-1,768.0", "-3,568.0", "-5,368.0", "-7,168.0", "-8,968.0", "-1.07E4", "-1.25E4",
        "-1.43E4", "-1.61E4"}},
      {-0.5f,
       F,
       xs({{10, -0.48f}}),
       {" 0", "-0.1", "-0.2", "-0.3", "-0.4", "-0.5", "-0.6", "-0.7", "-0.8", "-0.9"},
       {"-17.7778", "-17.8333", "-17.8889", "-17.9444", "-18.0000", "-18.0556", "-18.1111",
        "-18.1667", "-18.2222", "-18.2778"}},
      {0.05f,
       C,
       xs({{10, -0.58f}}),
       {" 0.01", " 0.02", " 0.03", " 0.04", " 0.05", " 0.06", " 0.07", " 0.08", " 0.09", " 0.1"},
       {"32.0180", "32.0360", "32.0540", "32.0720", "32.0900", "32.1080", "32.1260", "32.1440",
        "32.1620", "32.1800"}},
      {1000000,
       F,
       xs({{10, -0.65f}}),
       {"1.0E6", "2.0E6", "3.0E6", "4.0E6", "5.0E6", "6.0E6", "7.0E6", "8.0E6", "9.0E6", "1.0E7"},
       {"5.55E5", "1.11E6", "1.66E6", "2.22E6", "2.77E6", "3.33E6", "3.88E6", "4.44E6", "4.99E6",
        "5.55E6"}},
      // Stored as 10^9; the ninth tick is the float 8,999,999,488.
      {999999999.0f,
       F,
       xs({{10, -0.65f}}),
       {"1.0E9", "2.0E9", "3.0E9", "4.0E9", "5.0E9", "6.0E9", "7.0E9", "8.0E9", "9.0E9", "1.0E10"},
       {"5.55E8", "1.11E9", "1.66E9", "2.22E9", "2.77E9", "3.33E9", "3.88E9", "4.44E9", "4.99E9",
        "5.55E9"}},
      {-1000000,
       C,
       xs({{1, -0.32f}, {9, -0.7f}}),
       {"0", "-1.0E6", "-2.0E6", "-3.0E6", "-4.0E6", "-5.0E6", "-6.0E6", "-7.0E6", "-8.0E6",
        "-9.0E6"},
       {"32.0", "-1.79E6", "-3.59E6", "-5.39E6", "-7.19E6", "-8.99E6", "-1.07E7", "-1.25E7",
        "-1.43E7", "-1.61E7"}},
      {0.0000105f,
       C,
       xs({{10, -0.9f}}),
       {" 0.00001", " 0.00002", " 0.00003", " 0.00004", " 0.00005", " 0.00006", " 0.00007",
        " 0.00008", " 0.00009", " 0.0001"},
       {}},
      {0.000001f,
       F,
       xs({{10, -0.73f}}),
       {"1.0E-6", "2.0E-6", "3.0E-6", "4.0E-6", "5.0E-6", "6.0E-6", "7.0E-6", "8.0E-6", "9.0E-6",
        "10.0E-6"},
       std::vector<std::string>(10, "-17.7778")},
      {-0.000001f,
       F,
       xs({{10, -0.73f}}),
       {"0.0E-6", "-1.0E-6", "-2.0E-6", "-3.0E-6", "-4.0E-6", "-5.0E-6", "-6.0E-6", "-7.0E-6",
        "-8.0E-6", "-9.0E-6"},
       std::vector<std::string>(10, "-17.7778")},
  };
  for (const auto& example : examples) {
    SCOPED_TRACE(testing::Message() << "value " << example.value);
    const auto kind = kindOf(example.value);
    const auto exponent = scaleExponentFor(example.value);
    const auto left = leftLabels(kind, exponent);
    const auto right = rightLabels(kind, exponent, example.unit);
    EXPECT_EQ(textsOf(left), example.left);
    if (!example.right.empty()) {
      EXPECT_EQ(textsOf(right), example.right);
    }
    ASSERT_EQ(left.size(), example.leftX.size());
    for (std::size_t i = 0; i < left.size(); ++i) EXPECT_FLOAT_EQ(left[i].x, example.leftX[i]);
  }
}

TEST(ScaleLabels, LabelsSitAboveTheirTicksWithTheBottomUnlabelled) {
  for (const Kind kind : {Kind::PositiveInteger, Kind::NegativeInteger, Kind::PositiveDecimal,
                          Kind::NegativeDecimal}) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(kind));
    const bool positive = kind == Kind::PositiveInteger || kind == Kind::PositiveDecimal;
    const int exponent = isIntegerKind(kind) ? 3 : 1;
    const auto left = leftLabels(kind, exponent);
    const auto right = rightLabels(kind, exponent, InputUnit::Celsius);
    ASSERT_EQ(left.size(), 10u);
    ASSERT_EQ(right.size(), 10u);
    for (int i = 0; i < 10; ++i) {
      // Positive scales go up from the first tick above 0; negative ones down from 0 at the top.
      const double tickY = positive ? -(i + 1) / 10.0 : -(1 - i / 10.0);
      EXPECT_NEAR(left[i].y, tickY - 0.018, 1e-6);
      EXPECT_EQ(right[i].y, left[i].y);
      EXPECT_EQ(right[i].x, 0.1f);
    }
  }
}

TEST(ScaleLabels, LargestScalesStillWriteFiniteLabels) {
  for (const float value : {1e38f, -1e38f}) {
    for (const auto unit : {InputUnit::Fahrenheit, InputUnit::Celsius}) {
      const auto kind = kindOf(value);
      const int exponent = scaleExponentFor(value);
      EXPECT_EQ(exponent, 38);
      for (const auto& labels : {leftLabels(kind, exponent), rightLabels(kind, exponent, unit)}) {
        for (const auto& label : labels) {
          EXPECT_FALSE(label.text.empty());
          EXPECT_EQ(label.text.find_first_not_of("-0123456789.,E"), std::string::npos)
              << label.text;
        }
      }
    }
  }
  EXPECT_EQ(leftLabels(Kind::PositiveInteger, 38).back().text, "1.0E38");
  EXPECT_EQ(leftLabels(Kind::NegativeInteger, 38)[9].text, "-9.0E37");
}

}  // namespace
}  // namespace thermometer
