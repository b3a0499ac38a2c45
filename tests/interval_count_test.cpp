// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and the upper tool, through the controls held in memory.
#include <gtest/gtest.h>

#include "calculator_fixture.h"

namespace calvanir {
namespace {

using testing::CalculatorTest;

TEST_F(CalculatorTest, StartUpPutsTodayEverywhereAndZeroInEveryBoxInItsOrder) {
  EXPECT_EQ(calculator.Values().FirstDate, 0);
  calculator.StartUp();
  EXPECT_EQ(controls.effects,
            (Effects{"DTPicker1 = 2003-03-14", "DTPicker2 = 2003-03-14", "DTPicker3 = 2003-03-14",
                     "DTPicker4 = 2003-03-14", "status bar set up", "Text1 = 0", "Text2 = 0",
                     "Text3 = 0", "Text4 = 0", "Text5 = 0", "Text5 changed {", "}",
                     "Option1 selected", "Option4 selected"}));
  EXPECT_EQ(calculator.Values().FirstDate, Today());
  EXPECT_EQ(calculator.Values().LastDate, Today());
  EXPECT_EQ(calculator.Values().BaseDate, Today());
}

struct CountCase {
  const char* name;
  CalendarDate first, last;
  const char* results;  // the four boxes' texts, a space between two
};
void PrintTo(const CountCase& c, std::ostream* os) {
  *os << c.name;
}

class IntervalCount : public CalculatorTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(IntervalCount, WritesFourResultTexts) {
  const CountCase& c = GetParam();
  calculator.StartUp();
  controls.SetValue(Picker::DTPicker1, c.first);
  calculator.RefreshFirstDate();
  controls.SetValue(Picker::DTPicker2, c.last);
  calculator.RefreshLastDate();
  calculator.CountInterval();
  std::string results;
  for (const TextBox box : kResultBoxes)
    results.append(results.empty() ? "" : " ").append(controls.Text(box));
  EXPECT_EQ(results, c.results);
  EXPECT_EQ(calculator.Values().DiffResult, DateDifference(IntervalUnit::Years, c.first, c.last));
  EXPECT_EQ(controls.Text(TextBox::Text5), "0");
  EXPECT_TRUE(controls.Messages().empty());
}

const CountCase kCountCases[] = {
    {"AlmostAYear", MakeDate(2003, 3, 11), MakeDate(2004, 3, 10),
     "365 day(s). 52 week(s). 12 month(s). 1 year(s)."},
    {"NewYearsEve", MakeDate(2003, 12, 31), MakeDate(2004, 1, 1),
     "1 day(s). 0 week(s). 1 month(s). 1 year(s)."},
    {"EqualDates", MakeDate(2003, 3, 11), MakeDate(2003, 3, 11),
     "0 day(s). 0 week(s). 0 month(s). 0 year(s)."},
    {"LastBeforeFirst", MakeDate(2004, 3, 10), MakeDate(2003, 3, 11),
     "-365 day(s). -52 week(s). -12 month(s). -1 year(s)."},
    {"WholePickerRange", MakeDate(9999, 12, 31), MakeDate(1000, 1, 1),
     "-3287181 day(s). -469597 week(s). -107999 month(s). -8999 year(s)."},
};
INSTANTIATE_TEST_SUITE_P(Calculator, IntervalCount, ::testing::ValuesIn(kCountCases),
                         [](const auto& info) { return std::string{info.param.name}; });

TEST_F(CalculatorTest, ToolsSeeOnlyTheCopiesOfThePickers) {
  calculator.StartUp();
  controls.SetValue(Picker::DTPicker2, MakeDate(2040, 1, 1));
  calculator.CountInterval();  // no refresh ran: the copy still says today
  EXPECT_EQ(controls.Text(TextBox::Text1), "0 day(s).");
  calculator.RefreshLastDate();
  calculator.CountInterval();
  EXPECT_NE(controls.Text(TextBox::Text1), "0 day(s).");

  controls.SetValue(Picker::DTPicker3, MakeDate(2001, 2, 3));
  calculator.RefreshBaseDate();
  EXPECT_EQ(calculator.Values().BaseDate, MakeDate(2001, 2, 3));
  controls.SetValue(Picker::DTPicker4,
                    MakeDate(1999, 1, 1));  // changing the result picker affects nothing
  EXPECT_EQ(calculator.Values().BaseDate, MakeDate(2001, 2, 3));
}

}  // namespace
}  // namespace calvanir
