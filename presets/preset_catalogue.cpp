// The table of useful temperatures and its look-ups.
#include "presets/preset_catalogue.h"

#include <algorithm>

#include "thermometer/number_reading.h"

namespace presets {
namespace {

constexpr std::string_view kAtmosphere = "Atmosphere";
constexpr std::string_view kEarth = "Earth";
constexpr std::string_view kFoodStorage = "Food storage (safe)";
constexpr std::string_view kMicrobes = "Food microbes";
constexpr std::string_view kHumanBody = "Human body ";
constexpr std::string_view kMetals = "Metal melting points";
constexpr std::string_view kOrganisms = "Organism tolerance";
constexpr std::string_view kStars = "Stellar surface";
constexpr std::string_view kStoveLevels = "Stove/oven levels";
constexpr std::string_view kWoodFire = "Wood fire ";
constexpr std::string_view kFood = kFoodCookingCategory;

// In display order, which is the program's own and not alphabetical.
constexpr std::array<std::string_view, 12> kCategories = {
    kAboutScalesCategory, kAtmosphere, kEarth,       kFoodCookingCategory,
    kFoodStorage,         kMicrobes,   kHumanBody,   kMetals,
    kOrganisms,           kStars,      kStoveLevels, kWoodFire,
};

// Stored as written: a few pairs were measured separately and are not
// conversions of each other, so neither side is worked out from the other.
constexpr PresetEntry kEntries[] = {
    {kFood, "Beef (not Ground beef)", "145", "63", 1},
    {kFood, "Eggs", "145", "63", 1},
    {kFood, "Fish (other)", "145", "63", 1},
    {kFood, "Ground beef", "155", "68", 1},
    {kFood, "Lamb", "145", "63", 1},
    {kFood, "Marlin", "140", "60", 1},
    {kFood, "Pork", "165", "74", 1},
    {kFood, "Poultry", "170", "77", 1},
    {kFood, "Stuffing (in animal cavity)", "165", "74", 1},
    {kFood, "Swordfish", "140", "60", 1},
    {kFood, "Tuna", "140", "60", 1},
    {kFood, "Turkey", "170", "77", 1},

    {kFood, "Beef (not Ground beef)", "170", "77", 2},
    {kFood, "Eggs", "170", "77", 2},
    {kFood, "Fish (other)", "170", "77", 2},
    {kFood, "Ground beef", "180", "82", 2},
    {kFood, "Lamb", "170", "77", 2},
    {kFood, "Marlin", "165", "74", 2},
    {kFood, "Pork", "190", "88", 2},
    {kFood, "Poultry", "195", "91", 2},
    {kFood, "Stuffing (in animal cavity)", "190", "88", 2},
    {kFood, "Swordfish", "165", "74", 2},
    {kFood, "Tuna", "165", "74", 2},
    {kFood, "Turkey", "195", "91", 2},

    {kAtmosphere, "Troposphere (Surface)", "62.6", "17", 0},
    {kAtmosphere, "Troposphere 14.5 km", "-61.6", "-52", 0},
    {kAtmosphere, "Stratosphere 15 km", "-54.4", "-48", 0},
    {kAtmosphere, "Stratosphere 50 km", "26.6", "-3", 0},
    {kAtmosphere, "Mesosphere 60 km", "23", "-5", 0},
    {kAtmosphere, "Mesosphere 85 km", "-135.4", "-93", 0},
    {kAtmosphere, "Thermosphere 95 km", "-130", "-90", 0},
    {kAtmosphere, "Thermosphere 600 km", "3140.6", "1727", 0},

    {kEarth, "Lowest Recorded", "-94", "-70", 0},
    {kEarth, "Highest Recorded", "134.6", "57", 0},

    {kFoodStorage, "Freezer", "0", "-17.78", 0},
    {kFoodStorage, "Refrigerator", "38", "3.33", 0},
    {kFoodStorage, "Raw fish slow freeze (7 days)", "-4", "-20", 0},
    {kFoodStorage, "Raw fish blast freeze (15 hours)", "-31", "-35", 0},

    {kMicrobes, "Dormant", "32", "0", 0},
    {kMicrobes, "Slow Growth (Low Temperature)", "68", "20", 0},
    {kMicrobes, "Rapid Growth", "95", "35", 0},
    {kMicrobes, "Slow Growth (High Temperature)", "149", "65", 0},
    {kMicrobes, "Most destroyed", "185", "85", 0},

    {kHumanBody, "Mean body temperature", "98.2", "36.78", 0},
    {kHumanBody, "Low grade fever", "101", "38.33", 0},
    {kHumanBody, "High grade fever", "103", "39.44", 0},
    {kHumanBody, "Strenuous exercise", "103", "39.44", 0},
    {kHumanBody, "Danger of heat exhaustion", "105", "40.56", 0},
    {kHumanBody, "Extreme exercise (marathon)", "107", "41.67", 0},
    {kHumanBody, "Mild hypothermia", "97", "36.11", 0},
    {kHumanBody, "Moderate hypothermia", "94", "34.44", 0},
    {kHumanBody, "Severe hypothermia", "88", "31.11", 0},

    {kMetals, "Aluminium", "1220", "660", 0},
    {kMetals, "Antimony", "1167", "630", 0},
    {kMetals, "Beryllium", "2340", "1282", 0},
    {kMetals, "Bismuth", "520", "271", 0},
    {kMetals, "Cadmium", "610", "321", 0},
    {kMetals, "Chromium", "3430", "1888", 0},
    {kMetals, "Cobalt", "2723", "1495", 0},
    {kMetals, "Copper", "1981", "1083", 0},
    {kMetals, "Gold (24k)", "1945", "1063", 0},
    {kMetals, "Iridium", "4449", "2454", 0},
    {kMetals, "Iron", "2802", "1539", 0},
    {kMetals, "Lead", "621", "327", 0},
    {kMetals, "Magnesium", "1202", "650", 0},
    {kMetals, "Manganese", "2273", "1245", 0},
    {kMetals, "Mercury", "-37.9", "-38.3", 0},
    {kMetals, "Molybdenum", "4760", "2627", 0},
    {kMetals, "Nickel", "2651", "1455", 0},
    {kMetals, "Osmium", "4892", "2100", 0},
    {kMetals, "Palladium", "2831", "1555", 0},
    {kMetals, "Phosphorus", "111", "44", 0},
    {kMetals, "Platinum", "3224", "1773", 0},
    {kMetals, "Rhodium", "3571", "1966", 0},
    {kMetals, "Ruthenium", "4500", "2482", 0},
    {kMetals, "Silicon", "2605", "1429", 0},
    {kMetals, "Silver (Coin)", "1615", "879.44", 0},
    {kMetals, "Silver (Fine)", "1761", "961", 0},
    {kMetals, "Silver (Sterling)", "1640", "893.33", 0},
    {kMetals, "Tin", "450", "232", 0},
    {kMetals, "Zinc", "787", "419", 0},

    {kOrganisms, "Algae", "160", "60", 0},
    {kOrganisms, "Bacteria (Cyano)", "163.4", "73", 0},
    {kOrganisms, "Bacteria (Heterotrophic)", "194", "90", 0},
    {kOrganisms, "Bacteria (Methane producer)", "230", "110", 0},
    {kOrganisms, "Bacteria (Sulfur-dependent)", "239", "115", 0},
    {kOrganisms, "Crustaceans", "122", "50", 0},
    {kOrganisms, "Fish", "100.4", "38", 0},
    {kOrganisms, "Fungi", "143.6", "62", 0},
    {kOrganisms, "Insects", "122", "50", 0},
    {kOrganisms, "Mosses", "122", "50", 0},
    {kOrganisms, "Protozoa", "132.8", "56", 0},
    {kOrganisms, "Vascular Plants", "113", "45", 0},

    {kStars, "Red (Type M)", "5882", "3500", 0},
    {kStars, "Orange (Type K)", "8132", "4500", 0},
    {kStars, "Yellow (Type G)", "9932", "5500", 0},
    {kStars, "White (Type F)", "13082", "7250", 0},
    {kStars, "Blue-Green (Type A)", "17132", "9500", 0},
    {kStars, "Light Blue (Type B)", "48632", "27000", 0},
    {kStars, "Blue (Type O)", "81032", "45000", 0},

    {kStoveLevels, "Very cool (mark 1/4 - 1/2)", "225", "107", 0},
    {kStoveLevels, "Cool or slow (mark 1 - 2)", "275", "135", 0},
    {kStoveLevels, "Warm (mark 3)", "325", "163", 0},
    {kStoveLevels, "Moderate (mark 4)", "350", "177", 0},
    {kStoveLevels, "Moderately hot (mark 5)", "375", "191", 0},
    {kStoveLevels, "Fairly hot (mark 6)", "400", "204", 0},
    {kStoveLevels, "Hot (mark 7)", "425", "218", 0},
    {kStoveLevels, "Very hot (mark 8 - 9)", "465", "241", 0},

    {kWoodFire, "Flame temperature (fireplace)", "300", "148.89", 0},
    {kWoodFire, "Hottest glowing parts (fireplace)", "1050", "565.56", 0},
    {kWoodFire, "Full volatiles combustion", "1200", "648.89", 0},
};

std::optional<PresetValue> valueOf(std::string_view text) {
  const auto number = thermometer::readPlainNumber(text);
  if (!number) return std::nullopt;
  return PresetValue{text, *number};
}

// The heading first, then the foods of its method in table order.
std::vector<std::string_view> foodsUnder(std::string_view heading, int16_t cookingMethod) {
  std::vector<std::string_view> list{heading};
  for (const PresetEntry& entry : kEntries) {
    if (entry.cookingMethod == cookingMethod) list.push_back(entry.subTopic);
  }
  return list;
}

// The names are the originators'; the red spans follow from their lengths.
constexpr std::string_view kFahrenheitOpening = "The Fahrenheit scale is named after ";
constexpr std::string_view kFahrenheitName = "Daniel Gabriel Fahrenheit";
constexpr std::string_view kFahrenheitStory =
    ", who put forward a temperature scale based on the human body temperature. Originally, "
    "human body temperature was 100 on the Fahrenheit scale, but it has since been adjusted to "
    "slightly less. The Celcius scale, established by ";
constexpr std::string_view kCelsiusName = "Anders Celsius";
constexpr std::string_view kCelsiusStory =
    ", assigns zero degrees to the freezing point of air-saturated water and 100 degrees to "
    "boiling water at one atmosphere.";

ScalesDescription composeScalesDescription() {
  ScalesDescription description;
  std::string& text = description.text;
  text.append(kFahrenheitOpening);
  description.redSpans[0] = {text.size(), kFahrenheitName.size()};
  text.append(kFahrenheitName);
  text.append(kFahrenheitStory);
  description.redSpans[1] = {text.size(), kCelsiusName.size()};
  text.append(kCelsiusName);
  text.append(kCelsiusStory);
  return description;
}

}  // namespace

std::span<const PresetEntry> presetCatalogue() { return kEntries; }

std::span<const std::string_view> categoryTexts() { return kCategories; }

bool isCategoryKey(std::string_view text) {
  return std::find(kCategories.begin(), kCategories.end(), text) != kCategories.end();
}

std::vector<std::string_view> subTopicsOf(std::string_view category) {
  if (category == kFoodCookingCategory) return {kStoveOvenHeading, kMicrowaveHeading};
  std::vector<std::string_view> subTopics;
  for (const PresetEntry& entry : kEntries) {
    if (entry.category == category) subTopics.push_back(entry.subTopic);
  }
  return subTopics;
}

std::vector<std::string_view> foodList(int16_t cookingMethod) {
  if (cookingMethod == 1) return foodsUnder(kStoveOvenHeading, 1);
  if (cookingMethod == 2) return foodsUnder(kMicrowaveHeading, 2);
  return {};
}

std::optional<int16_t> cookingMethodOfHeading(std::string_view text) {
  if (text == kStoveOvenHeading) return 1;
  if (text == kMicrowaveHeading) return 2;
  return std::nullopt;
}

std::optional<Preset> findPreset(std::string_view subTopic, int16_t cookingMethod) {
  for (const PresetEntry& entry : kEntries) {
    if (entry.subTopic != subTopic) continue;
    if (entry.cookingMethod != 0 && entry.cookingMethod != cookingMethod) continue;
    const auto fahrenheit = valueOf(entry.fahrenheitText);
    const auto celsius = valueOf(entry.celsiusText);
    if (!fahrenheit || !celsius) return std::nullopt;
    return Preset{*fahrenheit, *celsius};
  }
  return std::nullopt;
}

std::optional<PresetValue> valueFor(const Preset& preset, int16_t conversionDirection) {
  if (conversionDirection == 1) return preset.fahrenheit;
  if (conversionDirection == 2) return preset.celsius;
  return std::nullopt;
}

const ScalesDescription& scalesDescription() {
  static const ScalesDescription description = composeScalesDescription();
  return description;
}

}  // namespace presets
