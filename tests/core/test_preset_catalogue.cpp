// The useful temperatures: keys compare exactly, and foods go by cooking method.
#include <gtest/gtest.h>

#include <map>

#include "presets/preset_catalogue.h"

namespace presets {
namespace {

// A plain entry matches under any method, so it may share its text with no other entry; a food only
// with its twin under the other method, and both food lists hold the same twelve foods under their
// heading.
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

}  // namespace
}  // namespace presets
