// SPDX-License-Identifier: GPL-3.0-or-later
// The lower tool: every outcome of a press of its Calculate, through the controls held in memory.
#include <gtest/gtest.h>

#include "calculator_fixture.h"

namespace calvanir {
namespace {

using testing::CalculatorTest;

constexpr auto Days = OptionButton::Option1;
constexpr auto Weeks = OptionButton::Option2;
constexpr auto Months = OptionButton::Option3;
constexpr auto Add = OptionButton::Option4;
constexpr auto Subtract = OptionButton::Option5;

constexpr const char* kNone = "";
constexpr CalendarDate kUnchanged = -1;  // DTPicker4 keeps what it held
constexpr CalendarDate kBaseDate = -2;   // DTPicker4 shows the Base Date (a shift by 0)

struct ShiftOutcome {
  const char* name;
  CalendarDate base;
  const char* count;
  OptionButton unit, operation;
  const char* message;
  const char* text5After;
  CalendarDate resultingDate;
};
void PrintTo(const ShiftOutcome& c, std::ostream* os) {
  *os << c.name;
}

class ShiftOutcomes : public CalculatorTest, public ::testing::WithParamInterface<ShiftOutcome> {};

TEST_P(ShiftOutcomes, MessageIntervalAndResultingDate) {
  const ShiftOutcome& c = GetParam();
  calculator.StartUp();
  const CalendarDate before = MakeDate(2000, 6, 15);
  ASSERT_TRUE(controls.SetValue(Picker::DTPicker4, before));
  SetBaseDate(c.base);
  controls.Select(c.unit);
  controls.Select(c.operation);
  // Written as a paste would, so that a count typed under another unit can be set up too.
  controls.Select(Days);
  controls.SetText(TextBox::Text5, c.count);
  controls.Select(c.unit);
  ASSERT_TRUE(controls.Messages().empty()) << controls.Messages().front();

  calculator.ShiftInterval();

  const Messages expected = *c.message ? Messages{c.message} : Messages{};
  EXPECT_EQ(controls.Messages(), expected);
  EXPECT_EQ(controls.Text(TextBox::Text5), c.text5After);
  const CalendarDate want = c.resultingDate == kUnchanged  ? before
                            : c.resultingDate == kBaseDate ? c.base
                                                           : c.resultingDate;
  EXPECT_EQ(controls.Value(Picker::DTPicker4), want);
}

const CalendarDate k20030314 = MakeDate(2003, 3, 14);

INSTANTIATE_TEST_SUITE_P(
    Calculator, ShiftOutcomes,
    ::testing::Values(
        ShiftOutcome{"MonthIntoLeapFebruary", MakeDate(2004, 1, 31), "1", Months, Add, kNone, "1",
                     MakeDate(2004, 2, 29)},
        ShiftOutcome{"TwoWeeksBack", k20030314, "2", Weeks, Subtract, kNone, "2",
                     MakeDate(2003, 2, 28)},
        ShiftOutcome{"DayLimitIsAccepted", k20030314, "999999", Days, Add, kNone, "999999",
                     MakeDate(4741, 2, 7)},
        ShiftOutcome{"MonthLimitWithLeadingZeros", k20030314, "009999", Months, Subtract, kNone,
                     "009999", MakeDate(1169, 12, 14)},
        ShiftOutcome{"ZeroDays", k20030314, "0", Days, Subtract, kNone, "0", kBaseDate},
        ShiftOutcome{"ZeroMonths", k20030314, "0", Months, Add, kNone, "0", kBaseDate},
        ShiftOutcome{"OverTheWeekLimitShiftsByZero", k20030314, "100000", Weeks, Add,
                     "Number too big.", "0", kBaseDate},
        ShiftOutcome{"OverTheMonthLimitShiftsByZero", k20030314, "10000", Months, Subtract,
                     "Number too big.", "0", kBaseDate},
        ShiftOutcome{"PickerRefusesYear908", k20030314, "400000", Days, Subtract, "Number too big.",
                     "0", kUnchanged},
        ShiftOutcome{"PickerRefusesYear853", k20030314, "60000", Weeks, Subtract, "Number too big.",
                     "0", kUnchanged},
        // Before the calendar's first day or after its last: answered like the picker's refusal.
        ShiftOutcome{"BeforeTheYear100InDays", k20030314, "800000", Days, Subtract,
                     "Number too big.", "0", kUnchanged},
        ShiftOutcome{"BeforeTheYear100InWeeks", k20030314, "99999", Weeks, Subtract,
                     "Number too big.", "0", kUnchanged},
        ShiftOutcome{"AfterTheLastDay", MakeDate(9999, 12, 31), "1", Days, Add, "Number too big.",
                     "0", kUnchanged},
        ShiftOutcome{"EmptyInterval", k20030314, "", Days, Add, "Please enter a number.", "0",
                     kUnchanged}),
    [](const auto& info) { return std::string{info.param.name}; });

TEST_F(CalculatorTest, CountTypedUnderDaysIsCaughtAfterWeeksIsChosen) {
  calculator.StartUp();
  SetBaseDate(MakeDate(2003, 3, 14));
  controls.SetText(TextBox::Text5, "");
  Type("100000");
  controls.Select(OptionButton::Option2);
  EXPECT_EQ(controls.Text(TextBox::Text5), "100000");  // choosing a unit runs no check
  EXPECT_TRUE(controls.Messages().empty());

  calculator.ShiftInterval();
  EXPECT_EQ(controls.Messages(), Messages{"Number too big."});
  EXPECT_EQ(controls.Text(TextBox::Text5), "0");
  EXPECT_EQ(controls.Value(Picker::DTPicker4), MakeDate(2003, 3, 14));
  EXPECT_EQ(calculator.Values().IntervalCount, 0);
}

TEST_F(CalculatorTest, CountsAreKeptWithTheirNegation) {
  calculator.StartUp();
  Type("45");
  controls.Select(OptionButton::Option2);
  controls.Select(OptionButton::Option5);
  calculator.ShiftInterval();
  EXPECT_EQ(calculator.Values().IntervalCount, 45);
  EXPECT_EQ(calculator.Values().NegatedIntervalCount, -45);
  EXPECT_EQ(controls.Value(Picker::DTPicker4), MakeDate(2002, 5, 3));
}

TEST_F(CalculatorTest, AShiftWritesInOrder) {
  const struct {
    const char* count;
    OptionButton unit;
    Effects effects;
  } cases[] = {
      {"2", Weeks, {"DTPicker4 = 2003-02-28"}},
      {"100000",
       Weeks,  // over the limit: answered, reset, and shifted by 0
       {"message Number too big.", "Text5 = 0", "Text5 changed {", "}", "DTPicker4 = 2003-03-14"}},
      {"400000",
       Days,  // refused by the Resulting Date, which keeps what it held
       {"message Number too big.", "Text5 = 0", "Text5 changed {", "}"}},
  };
  calculator.StartUp();
  controls.Select(Subtract);
  for (const auto& c : cases) {
    controls.Select(Days);
    controls.SetText(TextBox::Text5, c.count);
    controls.Select(c.unit);
    controls.effects.clear();
    calculator.ShiftInterval();
    EXPECT_EQ(controls.effects, c.effects) << c.count;
  }
}

}  // namespace
}  // namespace calvanir
