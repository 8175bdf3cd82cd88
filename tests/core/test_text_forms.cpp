// The short, general and fixed text forms of a number.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "thermometer/number_reading.h"
#include "thermometer/number_separators.h"
#include "thermometer/text_forms.h"

namespace thermometer {
namespace {

TEST(TextForms, ShortGeneralAndFixedForms) {
  struct FormCase {
    float value;
    std::string shortText, generalText, fixedText;
  };
  const std::string e38(38, '0');
  // clang-format off
  const std::vector<FormCase> cases = {
      {7, " 7", " 7", "7.00"},                      {0, " 0", " 0", "0.00"},
      {-0.0f, " 0", " 0", "0.00"},                  {0.05f, " .05", " 0.05", "0.05"},
      {-0.003f, "-.003", "-0.003", "0.00"},         {0.125f, " .125", " 0.125", "0.13"},
      {0.0000105f, " .0000105", " 0.0000105", "0.00"},
      {0.123456789f, " .1234568", " 0.1234568", "0.12"},
      {0.99999994f, " .9999999", " 0.9999999", "1.00"},
      {99.999f, " 99.999", " 99.999", "100.00"},   {-10000, "-10000", "-10000", "-10000.00"},
      {-1234567.5f, "-1234568", "-1234568", "-1234567.50"},
      {1e38f, " 1" + e38, " 1" + e38, "1" + e38 + ".00"},
      // Stored as -0.00499999988 and 8,999,999,488, written from their shortest decimals.
      {-0.005f, "-.005", "-0.005", "-0.01"},
      {8999999488.0f, " 9000000000", " 9000000000", "9000000000.00"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    EXPECT_EQ(std::tuple(shortForm(c.value), generalForm(c.value), fixedForm(c.value)),
              std::tuple(c.shortText, c.generalText, c.fixedText));
  }
}

// In German and French as in English, each text written into 'From' or 'To' with any decimal
// places has the locale's decimal separator, reads back as the float read from the English text,
// and is written again as itself.
TEST(TextForms, WrittenTextsReadBackAsThemselvesInEveryLocale) {
  std::vector<float> values;
  for (std::uint32_t bits = 0; bits < 0x7f800000; bits += 0x1fff01)
    values.insert(values.end(), {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)});
  for (int hundredths = -46000; hundredths < 1'100'000; hundredths += 499)
    values.push_back(hundredths / 100.0f);
  for (const auto& separators :
       std::initializer_list<NumberSeparators>{{}, {",", "."}, {",", "\u202F"}})
    for (const float value : values)
      for (int decimals = 1; decimals <= 4; ++decimals) {
        setNumberSeparators({});
        const auto english = readNumber(groupedForm(value, decimals));
        setNumberSeparators(separators);
        const std::string text = groupedForm(value, decimals);
        EXPECT_EQ(text.substr(text.size() - decimals - 1, 1), separators.decimal) << text;
        EXPECT_TRUE(english && readNumber(text) == english &&
                    groupedForm(*english, decimals) == text)
            << text;
      }
  setNumberSeparators({});
}

}  // namespace
}  // namespace thermometer
