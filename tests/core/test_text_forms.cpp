// The four text forms of a number.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "thermometer/number_reading.h"
#include "thermometer/text_forms.h"

namespace thermometer {
namespace {

// The short, general and fixed forms of one value.
struct FormCase {
  float value;
  std::string shortText;
  std::string generalText;
  std::string fixedText;
};

TEST(TextForms, ShortGeneralAndFixedForms) {
  const std::vector<FormCase> cases = {
      {7, " 7", " 7", "7.00"},
      {0, " 0", " 0", "0.00"},
      {-0.0f, " 0", " 0", "0.00"},
      {0.05f, " .05", " 0.05", "0.05"},
      {0.1f, " .1", " 0.1", "0.10"},
      {-0.003f, "-.003", "-0.003", "0.00"},
      {-0.005f, "-.005", "-0.005", "-0.01"},
      {0.125f, " .125", " 0.125", "0.13"},
      {0.0000105f, " .0000105", " 0.0000105", "0.00"},
      {-0.00001f, "-.00001", "-0.00001", "0.00"},
      {0.123456789f, " .1234568", " 0.1234568", "0.12"},
      {0.99999994f, " .9999999", " 0.9999999", "1.00"},
      {0.70000005f, " .7000001", " 0.7000001", "0.70"},
      {99.999f, " 99.999", " 99.999", "100.00"},
      {-10000, "-10000", "-10000", "-10000.00"},
      {1234567.5f, " 1234568", " 1234568", "1234567.50"},
      {-1234567.5f, "-1234568", "-1234568", "-1234567.50"},
      {1e6f, " 1000000", " 1000000", "1000000.00"},
      // Stored as 8,999,999,488 but written from its shortest decimal.
      {8999999488.0f, " 9000000000", " 9000000000", "9000000000.00"},
      {1e38f, " 1" + std::string(38, '0'), " 1" + std::string(38, '0'),
       "1" + std::string(38, '0') + ".00"},
  };
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
  const std::vector<GroupedCase> cases = {
      {1000, 0, "1,000"},
      {37.8f, 1, "37.8"},
      {-17.7222f, 4, "-17.7222"},
      {1.005f, 2, "1.01"},
      {-1.005f, 2, "-1.01"},
      {-0.001f, 2, "0.00"},
      {55537.8f, 1, "55,537.8"},
      {37.77778f, 2, "37.78"},
      {0.5f, 0, "1"},
      {-0.5f, 0, "-1"},
      {0.4f, 0, "0"},
      {999.5f, 0, "1,000"},
      {-1234567, 0, "-1,234,567"},
      {5e9f, 2, "5,000,000,000.00"},
      {32.018f, 4, "32.0180"},
      {100, 3, "100.000"},
      {0.05f, 1, "0.1"},
      {123, 0, "123"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value " << c.value << " decimals " << c.decimals);
    EXPECT_EQ(groupedForm(c.value, c.decimals), c.text);
  }
}

TEST(TextForms, WrittenWholeNumbersReadBackAsThemselves) {
  for (float value : {5e9f, -1234567.0f, 1e38f, 16777216.0f, 3e9f}) {
    SCOPED_TRACE(testing::Message() << "value " << value);
    EXPECT_EQ(readNumber(groupedForm(value, 2)), value);
    EXPECT_EQ(readNumber(fixedForm(value)), value);
  }
}

TEST(TextForms, NonFiniteValuesWriteNothing) {
  for (float value :
       {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
    EXPECT_EQ(shortForm(value), "");
    EXPECT_EQ(fixedForm(-value), "");
    EXPECT_EQ(groupedForm(value, 2), "");
    EXPECT_EQ(generalForm(value), "");
  }
}

}  // namespace
}  // namespace thermometer
