// The useful temperatures: keys compare exactly, foods go by cooking method,
// every stored text is a plain number, and the two sides of each entry agree
// except where they are known not to.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "presets/preset_catalogue.h"
#include "thermometer/number_reading.h"

namespace presets {
namespace {

TEST(PresetCatalogue, CategoriesAreKeysThatCompareExactly) {
  const std::vector<std::pair<std::string, size_t>> subTopicCounts = {
      {"About \xc2\xb0"
       "F and \xc2\xb0"
       "C",
       0},
      {"Atmosphere", 8},
      {"Earth", 2},
      {"Food cooking (safe)", 2},
      {"Food storage (safe)", 4},
      {"Food microbes", 5},
      {"Human body ", 9},
      {"Metal melting points", 29},
      {"Organism tolerance", 12},
      {"Stellar surface", 7},
      {"Stove/oven levels", 8},
      {"Wood fire ", 3},
  };
  const auto categories = categoryTexts();
  ASSERT_EQ(categories.size(), subTopicCounts.size());
  for (size_t i = 0; i < categories.size(); ++i) {
    SCOPED_TRACE(subTopicCounts[i].first);
    EXPECT_EQ(categories[i], subTopicCounts[i].first);
    EXPECT_TRUE(isCategoryKey(categories[i]));
    EXPECT_EQ(subTopicsOf(categories[i]).size(), subTopicCounts[i].second);
  }
  for (const char* notAKey :
       {"Human body", "Wood fire", "human body ", " Earth", "Atmosphere ", "About F and C", ""}) {
    SCOPED_TRACE(notAKey);
    EXPECT_FALSE(isCategoryKey(notAKey));
    EXPECT_TRUE(subTopicsOf(notAKey).empty());
  }
  EXPECT_EQ(
      subTopicsOf("Food cooking (safe)"),
      (std::vector<std::string_view>{"Foods cooked in stove/oven", "Foods cooked in microwave"}));
  EXPECT_EQ(subTopicsOf("Earth"),
            (std::vector<std::string_view>{"Lowest Recorded", "Highest Recorded"}));
}

struct LookUpCase {
  std::string subTopic;
  int16_t cookingMethod;
  std::optional<std::pair<std::string, std::string>> texts;  // Fahrenheit, Celsius
};

TEST(PresetCatalogue, LookUpIsExactAndFoodsGoByCookingMethod) {
  using Texts = std::pair<std::string, std::string>;
  const std::vector<LookUpCase> cases = {
      {"Mercury", 0, Texts{"-37.9", "-38.3"}},
      {"Freezer", 0, Texts{"0", "-17.78"}},
      {"Freezer", 2, Texts{"0", "-17.78"}},
      {"Marlin", 1, Texts{"140", "60"}},
      {"Marlin", 2, Texts{"165", "74"}},
      {"Marlin", 0, std::nullopt},
      {"Turkey", 1, Texts{"170", "77"}},
      {"Turkey", 2, Texts{"195", "91"}},
      {"Fish", 0, Texts{"100.4", "38"}},
      {"Fish", 1, Texts{"100.4", "38"}},
      {"Fish", 2, Texts{"100.4", "38"}},
      {"Fish (other)", 2, Texts{"170", "77"}},
      {"Blue (Type O)", 0, Texts{"81032", "45000"}},
      {"Mean body temperature", 0, Texts{"98.2", "36.78"}},
      {"mercury", 0, std::nullopt},
      {"Mercury ", 0, std::nullopt},
      {"Fish ", 1, std::nullopt},
      {"Foods cooked in stove/oven", 1, std::nullopt},
      {"Human body ", 0, std::nullopt},
      {"", 0, std::nullopt},
  };
  for (const LookUpCase& c : cases) {
    SCOPED_TRACE("'" + c.subTopic + "' method " + std::to_string(c.cookingMethod));
    const auto preset = findPreset(c.subTopic, c.cookingMethod);
    ASSERT_EQ(preset.has_value(), c.texts.has_value());
    if (!preset) continue;
    EXPECT_EQ(preset->fahrenheit.text, c.texts->first);
    EXPECT_EQ(preset->celsius.text, c.texts->second);
  }
}

TEST(PresetCatalogue, DirectionChoosesTheSideHandedOn) {
  const Preset mercury = *findPreset("Mercury", 0);
  struct Case {
    int16_t direction;
    std::optional<std::string> text;
    float number;
  };
  const Case cases[] = {{1, "-37.9", -37.9f}, {2, "-38.3", -38.3f}, {0, {}, 0}, {3, {}, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.direction);
    const auto value = valueFor(mercury, c.direction);
    ASSERT_EQ(value.has_value(), c.text.has_value());
    if (!value) continue;
    EXPECT_EQ(value->text, *c.text);
    EXPECT_EQ(value->number, c.number);
  }
}

TEST(PresetCatalogue, BothFoodListsHaveTheSameTwelveFoodsUnderTheirHeading) {
  const auto stove = foodList(1);
  const auto microwave = foodList(2);
  ASSERT_EQ(stove.size(), 13u);
  ASSERT_EQ(microwave.size(), 13u);
  EXPECT_EQ(stove[0], "Foods cooked in stove/oven");
  EXPECT_EQ(microwave[0], "Foods cooked in microwave");
  EXPECT_EQ(cookingMethodOfHeading(stove[0]), 1);
  EXPECT_EQ(cookingMethodOfHeading(microwave[0]), 2);
  EXPECT_EQ(cookingMethodOfHeading("Foods cooked in microwave "), std::nullopt);
  EXPECT_EQ(stove[1], "Beef (not Ground beef)");
  EXPECT_EQ(stove[12], "Turkey");
  for (size_t i = 1; i < stove.size(); ++i) {
    SCOPED_TRACE(std::string(stove[i]));
    EXPECT_EQ(stove[i], microwave[i]);
    EXPECT_TRUE(findPreset(stove[i], 1));
    EXPECT_TRUE(findPreset(stove[i], 2));
    EXPECT_FALSE(findPreset(stove[i], 0));
  }
  EXPECT_TRUE(foodList(0).empty());
  EXPECT_TRUE(foodList(3).empty());
}

TEST(PresetCatalogue, EntriesAreCountedAndUniqueApartFromTheFoodPairs) {
  int food = 0, other = 0;
  std::map<std::pair<std::string_view, int16_t>, int> seen;
  std::map<std::string_view, std::vector<std::string_view>> byCategory;
  for (const PresetEntry& entry : presetCatalogue()) {
    SCOPED_TRACE(std::string(entry.subTopic));
    if (entry.cookingMethod == 0) {
      ++other;
      EXPECT_TRUE(isCategoryKey(entry.category));
      byCategory[entry.category].push_back(entry.subTopic);
      // A plain entry matches whatever the method, so no food may share its text.
      ++seen[{entry.subTopic, 1}];
      ++seen[{entry.subTopic, 2}];
    } else {
      ++food;
      EXPECT_EQ(entry.category, kFoodCookingCategory);
      ++seen[{entry.subTopic, entry.cookingMethod}];
    }
  }
  EXPECT_EQ(food, 24);
  EXPECT_EQ(other, 87);
  for (const auto& [key, count] : seen) EXPECT_EQ(count, 1) << key.first;
  for (const auto& [category, subTopics] : byCategory) {
    EXPECT_EQ(subTopicsOf(category), subTopics) << category;
  }
}

// Optional minus, digits, optional point and digits: nothing else.
bool isPlainDecimal(std::string_view text) {
  size_t i = text.starts_with('-') ? 1 : 0;
  const size_t digitsFrom = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  if (i == digitsFrom) return false;
  if (i == text.size()) return true;
  if (text[i] != '.' || i + 1 == text.size()) return false;
  for (++i; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

// Half a unit in the last place the text writes.
double halfLastPlace(std::string_view text) {
  const auto point = text.find('.');
  const size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
  return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

TEST(PresetCatalogue, StoredTextsArePlainNumbersWhoseSidesAgreeSaveFour) {
  std::set<std::string_view> disagreeing;
  for (const PresetEntry& entry : presetCatalogue()) {
    SCOPED_TRACE(std::string(entry.subTopic));
    const auto fahrenheit = thermometer::readNumber(entry.fahrenheitText);
    const auto celsius = thermometer::readNumber(entry.celsiusText);
    ASSERT_TRUE(fahrenheit && celsius);
    EXPECT_TRUE(std::isfinite(*fahrenheit) && std::isfinite(*celsius));
    EXPECT_TRUE(isPlainDecimal(entry.fahrenheitText)) << entry.fahrenheitText;
    EXPECT_TRUE(isPlainDecimal(entry.celsiusText)) << entry.celsiusText;

    const double converted = (*fahrenheit - 32.0) * 5.0 / 9.0;
    const double allowed =
        halfLastPlace(entry.celsiusText) + halfLastPlace(entry.fahrenheitText) * 5.0 / 9.0;
    if (std::abs(converted - *celsius) > allowed + 1e-6) disagreeing.insert(entry.subTopic);

    const auto preset = findPreset(entry.subTopic, entry.cookingMethod);
    ASSERT_TRUE(preset);
    EXPECT_EQ(preset->fahrenheit.number, *fahrenheit);
    EXPECT_EQ(preset->celsius.number, *celsius);
  }
  EXPECT_EQ(disagreeing,
            (std::set<std::string_view>{"Mercury", "Osmium", "Red (Type M)", "Algae"}));
}

TEST(PresetCatalogue, DescriptionMarksTheTwoOriginatorsNames) {
  const ScalesDescription& description = scalesDescription();
  const std::string& text = description.text;
  EXPECT_EQ(text.size(), 420u);
  EXPECT_EQ(description.redSpans[0], (TextSpan{36, 25}));
  EXPECT_EQ(description.redSpans[1], (TextSpan{287, 14}));

  const auto piece = [&](size_t from, size_t to) { return text.substr(from, to - from); };
  const TextSpan first = description.redSpans[0];
  const TextSpan second = description.redSpans[1];
  EXPECT_EQ(piece(0, first.start), "The Fahrenheit scale is named after ");
  EXPECT_TRUE(piece(first.start, first.start + first.length).ends_with(" Fahrenheit"));
  EXPECT_EQ(piece(first.start + first.length, second.start),
            ", who put forward a temperature scale based on the human body temperature. "
            "Originally, human body temperature was 100 on the Fahrenheit scale, but it has "
            "since been adjusted to slightly less. The Celcius scale, established by ");
  EXPECT_TRUE(piece(second.start, second.start + second.length).ends_with(" Celsius"));
  EXPECT_EQ(piece(second.start + second.length, text.size()),
            ", assigns zero degrees to the freezing point of air-saturated water and 100 "
            "degrees to boiling water at one atmosphere.");
}

}  // namespace
}  // namespace presets
