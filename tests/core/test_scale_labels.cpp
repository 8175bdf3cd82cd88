// The labels of both scales: positions and texts of every row.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "thermometer/scale.h"

namespace thermometer {
namespace {

// Runs of equal x, first to last.
std::vector<float> xs(std::initializer_list<std::pair<int, float>> runs) {
  std::vector<float> result;
  for (const auto& [count, x] : runs) result.insert(result.end(), count, x);
  return result;
}

// The texts of the labels, first to last, joined by "|".
std::string joined(const std::vector<Label>& labels) {
  std::string texts;
  for (const auto& label : labels) texts += (texts.empty() ? "" : "|") + label.text;
  return texts;
}

TEST(ScaleLabels, TextsAndPlacesOfTheWorkedValues) {
  const auto F = InputUnit::Fahrenheit;
  const auto C = InputUnit::Celsius;
  struct LabelExample {
    float value;
    InputUnit unit;
    std::vector<float> leftX;
    std::string left;
    std::string right;  // empty: not checked
  };
  const std::vector<LabelExample> examples = {
      {100, F, xs({{9, -0.5f}, {1, -0.65f}}), "100|200|300|400|500|600|700|800|900|1,000",
       "37.8|93.3|148.9|204.4|260.0|315.6|371.1|426.7|482.2|537.8"},
      {5, F, xs({{9, -0.3f}, {1, -0.4f}}), "1|2|3|4|5|6|7|8|9|10",
       "-17.2|-16.7|-16.1|-15.6|-15.0|-14.4|-13.9|-13.3|-12.8|-12.2"},
      {0, F, xs({{10, -0.48f}}), " 0.1| 0.2| 0.3| 0.4| 0.5| 0.6| 0.7| 0.8| 0.9| 1",
       "-17.7222|-17.6667|-17.6111|-17.5556|-17.5000|-17.4444|-17.3889|-17.3333|-17.2778|-17.2222"},
      {-40, C, xs({{1, -0.32f}, {9, -0.48f}}), "0|-10|-20|-30|-40|-50|-60|-70|-80|-90",
       "32.0|14.0|-4.0|-22.0|-40.0|-58.0|-76.0|-94.0|-112.0|-130.0"},
      // Long converted values keep three digits, cut rather than rounded.
      {-1000, C, xs({{1, -0.32f}, {9, -0.72f}}),
       "0|-1,000|-2,000|-3,000|-4,000|-5,000|-6,000|-7,000|-8,000|-9,000",
       "32.0|-1,768.0|-3,568.0|-5,368.0|-7,168.0|-8,968.0|-1.07E4|-1.25E4|-1.43E4|-1.61E4"},
      {-0.5f, F, xs({{10, -0.48f}}), " 0|-0.1|-0.2|-0.3|-0.4|-0.5|-0.6|-0.7|-0.8|-0.9",
       "-17.7778|-17.8333|-17.8889|-17.9444|-18.0000|-18.0556|-18.1111|-18.1667|-18.2222|-18.2778"},
      {0.05f, C, xs({{10, -0.58f}}), " 0.01| 0.02| 0.03| 0.04| 0.05| 0.06| 0.07| 0.08| 0.09| 0.1",
       "32.0180|32.0360|32.0540|32.0720|32.0900|32.1080|32.1260|32.1440|32.1620|32.1800"},
      {1000000, F, xs({{10, -0.65f}}),
       "1.0E6|2.0E6|3.0E6|4.0E6|5.0E6|6.0E6|7.0E6|8.0E6|9.0E6|1.0E7",
       "5.55E5|1.11E6|1.66E6|2.22E6|2.77E6|3.33E6|3.88E6|4.44E6|4.99E6|5.55E6"},
      {-1000000, C, xs({{1, -0.32f}, {9, -0.7f}}),
       "0|-1.0E6|-2.0E6|-3.0E6|-4.0E6|-5.0E6|-6.0E6|-7.0E6|-8.0E6|-9.0E6",
       "32.0|-1.79E6|-3.59E6|-5.39E6|-7.19E6|-8.99E6|-1.07E7|-1.25E7|-1.43E7|-1.61E7"},
      {0.0000105f, C, xs({{10, -0.9f}}),
       " 0.00001| 0.00002| 0.00003| 0.00004| 0.00005| 0.00006| 0.00007| 0.00008| 0.00009| 0.0001",
       ""},
      {0.000001f, F, xs({{10, -0.73f}}),
       "1.0E-6|2.0E-6|3.0E-6|4.0E-6|5.0E-6|6.0E-6|7.0E-6|8.0E-6|9.0E-6|10.0E-6",
       "-17.7778|-17.7778|-17.7778|-17.7778|-17.7778|-17.7778|-17.7778|-17.7778|-17.7778|-17.7778"},
      {-0.000001f, F, xs({{10, -0.73f}}),
       "0.0E-6|-1.0E-6|-2.0E-6|-3.0E-6|-4.0E-6|-5.0E-6|-6.0E-6|-7.0E-6|-8.0E-6|-9.0E-6", ""},
      // The largest scales: every tick still has a finite value.
      {1e38f, F, xs({{10, -0.65f}}),
       "1.0E37|2.0E37|3.0E37|4.0E37|5.0E37|6.0E37|7.0E37|8.0E37|9.0E37|1.0E38", ""},
      {-1e38f, C, xs({{1, -0.32f}, {9, -0.7f}}),
       "0|-1.0E37|-2.0E37|-3.0E37|-4.0E37|-5.0E37|-6.0E37|-7.0E37|-8.0E37|-9.0E37", ""},
  };
  for (const auto& example : examples) {
    SCOPED_TRACE(testing::Message() << "value " << example.value);
    const auto kind = kindOf(example.value);
    const auto exponent = scaleExponentFor(example.value);
    const auto left = leftLabels(kind, exponent);
    const auto right = rightLabels(kind, exponent, example.unit);
    EXPECT_EQ(joined(left), example.left);
    if (!example.right.empty()) {
      EXPECT_EQ(joined(right), example.right);
    }
    // Never "inf", "nan" or an empty label.
    EXPECT_EQ(("|" + joined(right) + "|").find("||"), std::string::npos);
    EXPECT_EQ(joined(right).find_first_not_of("-0123456789.,E|"), std::string::npos);
    ASSERT_EQ(left.size(), 10u);
    ASSERT_EQ(right.size(), 10u);
    // Each label's top sits 0.018 above its tick, a tenth apart; positive
    // scales run up from 0.1, negative ones down from 0 at the top, and the
    // bottom end stays unlabelled.
    const bool positive = example.value >= 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_FLOAT_EQ(left[i].x, example.leftX[i]);
      const double tick = positive ? -0.1 * (i + 1.0) : -1 + 0.1 * i;
      EXPECT_NEAR(left[i].y, tick - 0.018, 1e-6);
      EXPECT_EQ(right[i].y, left[i].y);
      EXPECT_EQ(right[i].x, 0.1f);
    }
  }
}

}  // namespace
}  // namespace thermometer
