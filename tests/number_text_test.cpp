// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "number_text.h"

namespace calvanir {
namespace {

TEST(WholeNumberText, PlainDecimal) {
  const std::pair<std::int64_t, const char*> cases[] = {{0, "0"},
                                                        {-365, "-365"},
                                                        {365, "365"},
                                                        {-1, "-1"},
                                                        {3652058, "3652058"},
                                                        {INT32_MIN, "-2147483648"},
                                                        {INT64_MIN, "-9223372036854775808"}};
  for (const auto& [n, text] : cases)
    EXPECT_EQ(FormatWhole(n).view(), text);
}

TEST(NumberParsing, DigitStringsConvertToTheirValue) {
  const std::pair<std::string, double> cases[] = {
      {"0", 0},
      {"0045", 45},
      {"999999", 999999},
      {"1000000", 1000000},
      {"18446744073709551615", 18446744073709551615.0},  // 2^64 - 1, 20 digits: the slow path
      {"18446744073709551616", 18446744073709551616.0},  // 2^64, past 64 bits
      {"9007199254740993", 9007199254740992.0},          // ties round to even
      {std::string(400, '0') + "7", 7},                  // leading zeros do not count
      {std::string(20, '0'), 0},                         // only zeros, too many for the fast path
      {"1" + std::string(308, '0'), 1e308},
  };
  for (const auto& [text, value] : cases) {
    const Checked<double> parsed = ParseNumber(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(*parsed, value) << text;
  }
  // Only the viewed characters count, on either path.
  const std::string longer = "123456789012345678901234";
  EXPECT_EQ(*ParseNumber(std::string_view{longer}.substr(0, 2)), 12);
  EXPECT_EQ(*ParseNumber(std::string_view{longer}.substr(0, 21)), 123456789012345678901.0);
}

TEST(NumberParsing, EverythingElseIsNotANumber) {
  const char* cases[] = {"",
                         " 1",
                         "1 ",
                         "+1",
                         "-1",
                         "1.5",
                         "1,000",
                         "1e3",
                         "0x10",
                         "inf",
                         "nan",
                         "a",
                         ".",
                         "\t",
                         "1\n",
                         "\xd9\xa3" /* Arabic-Indic 3 */,
                         "\xef\xbc\x91" /* fullwidth 1 */,
                         "12a3",
                         "1:" /* the character after '9' */,
                         "/1" /* and before '0' */};
  for (const char* text : cases) {
    const Checked<double> parsed = ParseNumber(text);
    ASSERT_FALSE(parsed) << text;
    EXPECT_EQ(parsed.error(), Error::NotANumber) << text;
  }
  EXPECT_FALSE(ParseNumber(std::string_view{"1\0", 2}));
}

TEST(NumberParsing, DigitsBeyondADoubleAreTooLongNotNonNumeric) {
  for (const std::size_t length : {310u, 1000u, 100000u}) {
    const Checked<double> parsed = ParseNumber(std::string(length, '9'));
    ASSERT_FALSE(parsed) << length;
    EXPECT_EQ(parsed.error(), Error::NumberTooLong) << length;
  }
}

}  // namespace
}  // namespace calvanir
