// The built-in useful temperatures: twelve categories, their sub-topics with a
// Fahrenheit and a Celsius value each, the food list of each cooking method,
// and the description of the two scales with its two names marked. Texts are
// UTF-8; nothing here converts between the scales.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace presets {

struct PresetEntry {
  std::string_view category;
  std::string_view subTopic;
  std::string_view fahrenheitText;
  std::string_view celsiusText;
  int16_t cookingMethod;  // 0 outside the food list, 1 stove/oven, 2 microwave
};

// Every entry: each food twice (once per cooking method), then the rest.
std::span<const PresetEntry> presetCatalogue();

inline constexpr std::string_view kAboutScalesCategory = "About \u00b0F and \u00b0C";
inline constexpr std::string_view kFoodCookingCategory = "Food cooking (safe)";
inline constexpr std::string_view kStoveOvenHeading = "Foods cooked in stove/oven";
inline constexpr std::string_view kMicrowaveHeading = "Foods cooked in microwave";

// The twelve category texts in display order; each is also its key.
std::span<const std::string_view> categoryTexts();
bool isCategoryKey(std::string_view text);

// In display order; empty for the scales description and for a text that is
// no category key (keys compare exactly, blanks and case included).
std::vector<std::string_view> subTopicsOf(std::string_view category);

// The heading of the method followed by its twelve foods; empty for a method
// other than 1 or 2.
std::vector<std::string_view> foodList(int16_t cookingMethod);

// The cooking method a food-list heading switches to.
std::optional<int16_t> cookingMethodOfHeading(std::string_view text);

// A stored text and the float nearest to it; the two always go together.
struct PresetValue {
  std::string_view text;
  float number;
};

struct Preset {
  PresetValue fahrenheit;
  PresetValue celsius;
};

// The entry with exactly this sub-topic text; a food matches only under its
// own cooking method, any other entry whatever the method.
std::optional<Preset> findPreset(std::string_view subTopic, int16_t cookingMethod);

// The value handed to the main window: Fahrenheit for direction 1, Celsius
// for direction 2, nothing for any other direction.
std::optional<PresetValue> valueFor(const Preset& preset, int16_t conversionDirection);

// Character positions in the description, counted from 0.
struct TextSpan {
  std::size_t start;
  std::size_t length;
  bool operator==(const TextSpan&) const = default;
};

struct ScalesDescription {
  std::string text;
  std::array<TextSpan, 2> redSpans;  // the two originators' names
};

const ScalesDescription& scalesDescription();

}  // namespace presets
