// The numeric test and the two readings of a typed temperature.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "thermometer/locale_separators.h"
#include "thermometer/number_reading.h"

namespace thermometer {
namespace {

struct TextCase {
  std::string text;
  std::optional<float> value;  // nothing: refused, or too large
};

TEST(NumberReading, AcceptsWholeNumbersAndReadsTheNearestFloat) {
  // Exactly halfway between the two smallest floats: 106 digits decide it.
  const std::string halfway =
      "2.1019476964872256063855943749348741969203929128147736576356024258346866240287909022299"
      "5728254318237304687";
  // clang-format off
  const std::vector<TextCase> cases = {
      {"100", 100.0f},      {"  -40  ", -40.0f},  {"- 5", -5.0f},       {"+ 5", 5.0f},
      {"5 -", -5.0f},       {"12-", -12.0f},      {".5", 0.5f},         {"5.", 5.0f},
      {"1.5E3", 1500.0f},   {"2e-3", 0.002f},     {"1,000", 1000.0f},   {"007", 7.0f},
      {"-0", 0.0f},         {"5,000,000,000.00", 5e9f},  {"-1,234,567.5", -1234567.5f},
      {"16777217", 16777216.0f},  {"8e-46", 1.4e-45f},  {"1e-46", 0.0f},  {"3.4e38", 3.4e38f},
      {"3.5e38", std::nullopt},   {"1e39", std::nullopt},   {"1e999999999999999999", std::nullopt},
      {"1e-999999999999999999", 0.0f},  {"0e999999999999999999", 0.0f},
      {"0." + std::string(1'000'000, '0') + "1", 0.0f}, {std::string(1'000'000, '9'), std::nullopt},
      // Rounded once from the decimal: through double this would tie to 1.
      {"1.000000059604644775390625000000000000867", 1.00000012f},
      // A nonzero digit far past the first hundred still rounds up from a tie.
      {"1.000000059604644775390625" + std::string(500, '0') + "1", 1.00000012f},
      {halfway + "5E-45", 2.8e-45f},  {halfway + "4E-45", 1.4e-45f},
      {std::string(1000, '1') + "e-1000", 0.1111111111111111111f},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE("text '" + c.text.substr(0, 60) + "'");
    EXPECT_TRUE(isNumeric(c.text));
    EXPECT_EQ(readNumber(c.text), c.value);
  }
}

TEST(NumberReading, RefusesEverythingElse) {
  for (const std::string text :
       {"",     " ",      "-",      "+",    ".",      "-.",          "abc",     "1.2.3",
        "1 2",  "5- ",    "-5-",    "--5",  "+-5",    "5+",          "1e",      "1e+",
        "e5",   "1e5.5",  "\t5",    "5\t",  "inf",    "nan",         "0x10",    "$5",
        "1,00", "1,0000", "01,000", ",100", "1,000,", "1,000.000,5", "1.000,5", "1234,567"}) {
    SCOPED_TRACE("text '" + text + "'");
    EXPECT_FALSE(isNumeric(text));
    EXPECT_EQ(readNumber(text), std::nullopt);
  }
}

TEST(NumberReading, LeadingNumberValueReadsTheLongestNumberAtTheStart) {
  // clang-format off
  const std::vector<TextCase> cases = {
      {"12-", 12.0f},     {"-", 0.0f},       {"abc", 0.0f},      {"", 0.0f},
      {"1 2 3", 123.0f},  {"-.5e1x", -5.0f}, {"1,000", 1.0f},    {"1e", 1.0f},
      {"1e+", 1.0f},      {"2.5.1", 2.5f},   {"+7", 7.0f},       {"1e-400", 0.0f},
      {"1e400", std::nullopt},  {" - 4 . 5 e 1", -45.0f},  {"1e999999999999999999", std::nullopt},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE("text '" + c.text + "'");
    EXPECT_EQ(leadingNumberValue(c.text), c.value);
  }
}

// The user's own format, Qt's separators for German and French, reads whole, Convert's leading
// number included; English "." and "," read as no other number than the user sees. (The fuzz
// target reads every German text as its English spelling.)
TEST(NumberReading, ReadsTheSeparatorsOfTheUsersLocale) {
  const auto german = separatorsOf(QLocale("de_DE")), french = separatorsOf(QLocale("fr_FR"));
  // clang-format off
  const std::tuple<NumberSeparators, std::string, std::optional<float>, float> cases[] = {
      {german, "1.832,00", 1832.0f, 1.0f},        {german, "37,5-", -37.5f, 37.5f},
      {french, "1\u202F832,00", 1832.0f, 1.0f},   {french, "1 832,00", 1832.0f, 1832.0f},
      {french, "- 1\u00A0000", -1000.0f, -1.0f},  {french, "12 34", std::nullopt, 1234.0f},
      {french, "1  000", std::nullopt, 1000.0f},  {french, "\u202F5", std::nullopt, 0.0f},
      {french, "37.5", std::nullopt, 37.0f},      {{}, "1 000", std::nullopt, 1000.0f},
  };
  // clang-format on
  for (const auto& [separators, text, value, leading] : cases) {
    SCOPED_TRACE("text '" + text + "'");
    setNumberSeparators(separators);
    EXPECT_EQ(isNumeric(text), value.has_value());
    EXPECT_EQ(readNumber(text), value);
    EXPECT_EQ(leadingNumberValue(text), leading);
  }
  setNumberSeparators({});
}

}  // namespace
}  // namespace thermometer
