// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar rules at the places where they are easiest to get wrong.
#include <gtest/gtest.h>

#include "calendar.h"

namespace calvanir {
namespace {

struct Ymd {
  int y;
  unsigned m, d;
  CalendarDate date() const { return MakeDate(y, m, d); }
};

TEST(DayCount, AnchorsOfTheCount) {
  EXPECT_EQ(MakeDate(1899, 12, 30), 0);
  EXPECT_EQ(MakeDate(1899, 12, 31), 1);
  EXPECT_EQ(MakeDate(1899, 12, 29), -1);
  EXPECT_EQ(MakeDate(1900, 3, 1), 61);  // 1900 is no leap year
  EXPECT_EQ(MakeDate(2003, 3, 11), 37691);
  EXPECT_EQ(MakeDate(100, 1, 1), -657434);
  EXPECT_EQ(MakeDate(9999, 12, 31), 2958465);
}

struct DifferenceCase {
  const char* name;
  Ymd first, last;
  int days, weeks, months, years;
};
void PrintTo(const DifferenceCase& c, std::ostream* os) {
  *os << c.name;
}

class IntervalDifference : public ::testing::TestWithParam<DifferenceCase> {};

TEST_P(IntervalDifference, AllFourUnitsAndTheirNegation) {
  const DifferenceCase& c = GetParam();
  const int expected[] = {c.days, c.weeks, c.months, c.years};
  for (const IntervalUnitInfo& unit : kIntervalUnits) {
    const int want = expected[static_cast<int>(unit.unit)];
    EXPECT_EQ(DateDifference(unit.unit, c.first.date(), c.last.date()), want) << unit.suffix;
    EXPECT_EQ(DateDifference(unit.unit, c.last.date(), c.first.date()), -want) << unit.suffix;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, IntervalDifference,
    ::testing::Values(
        DifferenceCase{"AlmostAYear", {2003, 3, 11}, {2004, 3, 10}, 365, 52, 12, 1},
        DifferenceCase{"NewYearsEve", {2003, 12, 31}, {2004, 1, 1}, 1, 0, 1, 1},
        DifferenceCase{"SundayToSaturday", {2003, 3, 9}, {2003, 3, 15}, 6, 0, 0, 0},
        DifferenceCase{"SundayToSunday", {2003, 3, 9}, {2003, 3, 16}, 7, 1, 0, 0},
        DifferenceCase{"SaturdayToSunday", {2003, 3, 15}, {2003, 3, 16}, 1, 1, 0, 0},
        DifferenceCase{"EqualDates", {2004, 2, 29}, {2004, 2, 29}, 0, 0, 0, 0},
        DifferenceCase{"WholeYearNoBoundary", {2003, 1, 1}, {2003, 12, 31}, 364, 52, 11, 0},
        DifferenceCase{"Across1900", {1899, 12, 30}, {1900, 3, 1}, 61, 9, 3, 1},
        DifferenceCase{"Across2000LeapDay", {2000, 2, 28}, {2000, 3, 1}, 2, 0, 1, 0},
        DifferenceCase{"WholeRange", {100, 1, 1}, {9999, 12, 31}, 3615899, 516557, 118799, 9899},
        DifferenceCase{"PickerRange", {1000, 1, 1}, {9999, 12, 31}, 3287181, 469597, 107999, 8999}),
    [](const auto& info) { return std::string{info.param.name}; });

struct ShiftCase {
  const char* name;
  IntervalUnit unit;
  double count;
  Ymd from;
  Ymd to;  // year 0 means the shift fails
};
void PrintTo(const ShiftCase& c, std::ostream* os) {
  *os << c.name;
}

class IntervalShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(IntervalShift, LandsOnTheExpectedDayOrFails) {
  const ShiftCase& c = GetParam();
  const Checked<CalendarDate> shifted = DateShift(c.unit, c.count, c.from.date());
  if (c.to.y == 0) {
    ASSERT_FALSE(shifted);
    EXPECT_EQ(shifted.error(), Error::DateOutOfRange);
  } else {
    ASSERT_TRUE(shifted);
    EXPECT_EQ(*shifted, c.to.date());
  }
}

constexpr auto D = IntervalUnit::Days;
constexpr auto W = IntervalUnit::Weeks;
constexpr auto M = IntervalUnit::Months;

INSTANTIATE_TEST_SUITE_P(
    Calendar, IntervalShift,
    ::testing::Values(ShiftCase{"MonthEndIntoLeapFebruary", M, 1, {2004, 1, 31}, {2004, 2, 29}},
                      ShiftCase{"MonthEndIntoFebruary", M, 1, {2003, 1, 31}, {2003, 2, 28}},
                      ShiftCase{"MonthEndBackIntoFebruary", M, -1, {2003, 3, 31}, {2003, 2, 28}},
                      ShiftCase{"MonthShiftDoesNotChain", M, 2, {2003, 1, 31}, {2003, 3, 31}},
                      ShiftCase{"IntoFebruary1900", M, 1, {1900, 1, 29}, {1900, 2, 28}},
                      ShiftCase{"IntoFebruary2000", M, 1, {2000, 1, 30}, {2000, 2, 29}},
                      ShiftCase{"MonthsAcrossYears", M, -14, {2003, 3, 14}, {2002, 1, 14}},
                      ShiftCase{"TwoWeeksBack", W, -2, {2003, 3, 14}, {2003, 2, 28}},
                      ShiftCase{"DayLimitForward", D, 999999, {2003, 3, 14}, {4741, 2, 7}},
                      ShiftCase{"FarBackButRepresentable", D, -400000, {2003, 3, 14}, {908, 1, 14}},
                      ShiftCase{"TooFarBack", D, -800000, {2003, 3, 14}, {0, 0, 0}},
                      ShiftCase{"WeeksTooFarBack", W, -99999, {2003, 3, 14}, {0, 0, 0}},
                      ShiftCase{"WeeksFarBack", W, -60000, {2003, 3, 14}, {853, 4, 11}},
                      ShiftCase{"FirstDayExactly", D, -1, {100, 1, 2}, {100, 1, 1}},
                      ShiftCase{"JustBeforeFirstDay", D, -1, {100, 1, 1}, {0, 0, 0}},
                      ShiftCase{"LastDayExactly", M, 1, {9999, 11, 30}, {9999, 12, 30}},
                      ShiftCase{"DayOntoLastDay", D, 1, {9999, 12, 30}, {9999, 12, 31}},
                      ShiftCase{"WeekOntoLastDay", W, 1, {9999, 12, 24}, {9999, 12, 31}},
                      ShiftCase{"JustAfterLastDay", D, 1, {9999, 12, 31}, {0, 0, 0}},
                      ShiftCase{"MonthJustAfterLastDay", M, 1, {9999, 12, 1}, {0, 0, 0}},
                      ShiftCase{"MonthJustBeforeFirstDay", M, -1, {100, 1, 31}, {0, 0, 0}},
                      ShiftCase{
                          "FractionTruncatedTowardZero", D, -2.75, {2003, 3, 14}, {2003, 3, 12}},
                      ShiftCase{"HugeCountFails", M, 1e300, {2003, 3, 14}, {0, 0, 0}},
                      ShiftCase{"NotANumberFails",
                                D,
                                std::numeric_limits<double>::quiet_NaN(),
                                {2003, 3, 14},
                                {0, 0, 0}},
                      ShiftCase{"NegativeZero", W, -0.0, {2003, 3, 14}, {2003, 3, 14}}),
    [](const auto& info) { return std::string{info.param.name}; });

TEST(TodayClock, IsAWholeDayInTheCalendar) {
  const CalendarDate today = Today();
  EXPECT_EQ(today, static_cast<double>(static_cast<long long>(today)));
  EXPECT_GT(today, MakeDate(2020, 1, 1));
  EXPECT_LT(today, MakeDate(9999, 12, 31));
}

}  // namespace
}  // namespace calvanir
