// The four text forms of a number.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "thermometer/number_reading.h"
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
      // Stored as -0.00499999988 and 8,999,999,488, written from their
      // shortest decimals.
      {-0.005f, "-.005", "-0.005", "-0.01"},
      {8999999488.0f, " 9000000000", " 9000000000", "9000000000.00"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value);
    EXPECT_EQ(shortForm(c.value), c.shortText);
    EXPECT_EQ(generalForm(c.value), c.generalText);
    EXPECT_EQ(fixedForm(c.value), c.fixedText);
  }
}

TEST(TextForms, GroupedForm) {
  struct GroupedCase {
    float value;
    int decimals;
    std::string text;
  };
  // clang-format off
  const std::vector<GroupedCase> cases = {
      {37.8f, 1, "37.8"},       {-17.7222f, 4, "-17.7222"},   {1.005f, 2, "1.01"},
      {-0.001f, 2, "0.00"},     {55537.8f, 1, "55,537.8"},    {37.77778f, 2, "37.78"},
      {0.5f, 0, "1"},           {-0.5f, 0, "-1"},             {0.4f, 0, "0"},
      {999.5f, 0, "1,000"},     {-1234567, 0, "-1,234,567"},  {5e9f, 2, "5,000,000,000.00"},
      {32.018f, 4, "32.0180"},  {100, 3, "100.000"},          {0.05f, 1, "0.1"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value << " decimals " << c.decimals);
    EXPECT_EQ(groupedForm(c.value, c.decimals), c.text);
  }
}

// Every text the program writes reads back, through the numeric test, as
// the value it was written from, to the digits it shows.
TEST(TextForms, EveryFormReadsBackAsItsValue) {
  for (double magnitude = 1e-30; magnitude < 1e38; magnitude *= 7.3) {
    for (const float value : {float(magnitude), float(-magnitude), float(magnitude * 1.5)}) {
      SCOPED_TRACE(testing::Message() << "value " << value);
      const double v = value;
      for (int decimals = 0; decimals <= 4; ++decimals) {
        const auto read = readNumber(groupedForm(value, decimals));
        ASSERT_TRUE(read) << groupedForm(value, decimals);
        EXPECT_NEAR(*read, v, 0.5 * std::pow(10.0, -decimals) + std::fabs(v) * 1e-7);
      }
      EXPECT_NEAR(*readNumber(fixedForm(value)), v, 0.005 + std::fabs(v) * 1e-7);
      for (const std::string& text : {shortForm(value), generalForm(value)})
        EXPECT_NEAR(*readNumber(text), v, std::fabs(v) * 5e-7) << text;
    }
  }
}

}  // namespace
}  // namespace thermometer
