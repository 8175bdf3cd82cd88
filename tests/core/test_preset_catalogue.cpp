// The useful temperatures: keys compare exactly, foods go by cooking method,
// every stored text is a plain number, and the two sides of each entry agree
// except where they are known not to.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>
#include <set>

#include "presets/preset_catalogue.h"
#include "thermometer/number_reading.h"

namespace presets {
namespace {

// A plain entry matches under any method, so it may share its text with no
// other entry; a food only with its twin under the other method, and both
// food lists hold the same twelve foods under their heading.
TEST(PresetCatalogue, EveryLookUpFindsOneEntry) {
  ASSERT_EQ(categoryTexts().size(), 12u);
  for (std::string_view category : categoryTexts())
    EXPECT_EQ(subTopicsOf(category).empty(), category == kAboutScalesCategory) << category;
  for (const char* notAKey : {"Human body", "human body ", " Earth", ""})
    EXPECT_FALSE(isCategoryKey(notAKey) || !subTopicsOf(notAKey).empty()) << notAKey;
  std::map<std::pair<std::string_view, int16_t>, int> found;
  for (const PresetEntry& entry : presetCatalogue()) {
    EXPECT_TRUE(isCategoryKey(entry.category)) << entry.subTopic;
    EXPECT_EQ(entry.cookingMethod != 0, entry.category == kFoodCookingCategory) << entry.subTopic;
    for (int16_t method : {1, 2})
      found[{entry.subTopic, method}] += entry.cookingMethod == 0 || entry.cookingMethod == method;
  }
  for (const auto& [key, count] : found) EXPECT_EQ(count, 1) << key.first;
  const auto stove = foodList(1), microwave = foodList(2);
  ASSERT_EQ(std::pair(stove.size(), microwave.size()), std::pair(13ul, 13ul));
  EXPECT_TRUE(std::equal(stove.begin() + 1, stove.end(), microwave.begin() + 1));
  EXPECT_EQ(std::pair(stove[0], microwave[0]), std::pair(kStoveOvenHeading, kMicrowaveHeading));
  EXPECT_EQ(subTopicsOf(kFoodCookingCategory), (std::vector{kStoveOvenHeading, kMicrowaveHeading}));
  EXPECT_TRUE(foodList(0).empty() && foodList(3).empty());
  EXPECT_EQ(std::tuple(cookingMethodOfHeading(stove[0]), cookingMethodOfHeading(microwave[0]),
                       cookingMethodOfHeading(stove[1])),
            std::tuple(1, 2, std::nullopt));
}

// The main window converts the text it is handed, so each must be a plain
// decimal; and Celsius must match Fahrenheit to the places written.
TEST(PresetCatalogue, StoredTextsArePlainNumbersWhoseSidesAgreeSaveFour) {
  const std::regex plainDecimal(R"(-?\d+(\.\d+)?)");
  const auto halfLastPlace = [](std::string_view text) {
    const auto point = text.find('.');
    return 0.5 * std::pow(10.0, point == text.npos ? 0.0 : -double(text.size() - point - 1));
  };
  std::set<std::string_view> disagreeing;
  for (const PresetEntry& entry : presetCatalogue()) {
    SCOPED_TRACE(std::string(entry.subTopic));
    for (std::string_view text : {entry.fahrenheitText, entry.celsiusText})
      EXPECT_TRUE(std::regex_match(text.begin(), text.end(), plainDecimal)) << text;
    const auto fahrenheit = thermometer::readNumber(entry.fahrenheitText);
    const auto celsius = thermometer::readNumber(entry.celsiusText);
    ASSERT_TRUE(fahrenheit && celsius);
    const double allowed =
        halfLastPlace(entry.celsiusText) + halfLastPlace(entry.fahrenheitText) * 5.0 / 9.0;
    if (std::abs((*fahrenheit - 32.0) * 5.0 / 9.0 - *celsius) > allowed + 1e-6)
      disagreeing.insert(entry.subTopic);
  }
  EXPECT_EQ(disagreeing,
            (std::set<std::string_view>{"Mercury", "Osmium", "Red (Type M)", "Algae"}));
}

}  // namespace
}  // namespace presets
