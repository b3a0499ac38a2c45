// SPDX-License-Identifier: GPL-3.0-or-later
// The three guards of the text boxes, through the controls held in memory.
#include <gtest/gtest.h>

#include "calculator_fixture.h"

namespace calvanir {
namespace {

using testing::CalculatorTest;

struct SizeCase {
  const char* name;
  OptionButton unit;
  std::string text;
  const char* message;  // empty: accepted as it stands
};
void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.name;
}

class IntervalSizeCheck : public CalculatorTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(IntervalSizeCheck, AcceptsOrAnswersAndResets) {
  const SizeCase& c = GetParam();
  calculator.StartUp();
  controls.Select(c.unit);
  controls.effects.clear();
  controls.SetText(TextBox::Text5, c.text);  // a paste, a drop or the last key typed
  const std::string written = "Text5 = " + c.text;
  if (*c.message == '\0') {
    EXPECT_EQ(controls.effects, (Effects{written, "Text5 changed {", "}"}));
  } else {
    // The message, then the reset, whose own check accepts "0" before this one ends.
    EXPECT_EQ(controls.effects,
              (Effects{written, "Text5 changed {", std::string{"message "} + c.message, "Text5 = 0",
                       "Text5 changed {", "}", "}"}));
  }
}

constexpr auto Days = OptionButton::Option1;
constexpr auto Weeks = OptionButton::Option2;
constexpr auto Months = OptionButton::Option3;

INSTANTIATE_TEST_SUITE_P(
    Calculator, IntervalSizeCheck,
    ::testing::Values(SizeCase{"DayLimit", Days, "999999", ""},
                      SizeCase{"OneDigitPastTheDayLimit", Days, "9999990", "Number too big."},
                      SizeCase{"JustOverTheDayLimit", Days, "1000000", "Number too big."},
                      SizeCase{"WeekLimit", Weeks, "99999", ""},
                      SizeCase{"JustOverTheWeekLimit", Weeks, "100000", "Number too big."},
                      SizeCase{"MonthLimit", Months, "9999", ""},
                      SizeCase{"FifthMonthDigit", Months, "10000", "Number too big."},
                      SizeCase{"LeadingZerosDoNotCount", Months, "0000009999", ""},
                      SizeCase{"TooLongForADouble", Days, std::string(400, '7'), "Number too big."},
                      SizeCase{"EmptyWhileRetyping", Days, "", ""},
                      SizeCase{"PastedLetters", Days, "12a", "Please enter a number."},
                      SizeCase{"PastedColon", Days, "1:", "Please enter a number."},
                      SizeCase{"PastedSlash", Days, "/1", "Please enter a number."},
                      SizeCase{"PastedNegative", Weeks, "-5", "Please enter a number."},
                      SizeCase{"PastedDecimal", Months, "1.5", "Please enter a number."},
                      SizeCase{"PastedWithSpaces", Days, " 12 ", "Please enter a number."},
                      SizeCase{"PastedTooLongWithALetter", Days, std::string(400, '7') + "x",
                               "Please enter a number."}),
    [](const auto& info) { return std::string{info.param.name}; });

struct KeyCase {
  const char* name;
  KeyCode code;
  bool accepted;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.name;
}

class IntervalKeys : public CalculatorTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(IntervalKeys, RefusedKeysAreAnsweredAndResetTheBox) {
  const KeyCase& c = GetParam();
  calculator.StartUp();
  controls.SetText(TextBox::Text5, "123");
  controls.effects.clear();
  EXPECT_EQ(calculator.FilterIntervalKey(c.code), c.accepted);
  if (c.accepted) {
    EXPECT_EQ(controls.effects, Effects{});
  } else {
    EXPECT_EQ(controls.effects,
              (Effects{"message Please enter a number.", "Text5 = 0", "Text5 changed {", "}"}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, IntervalKeys,
    ::testing::Values(
        KeyCase{"MainRowZero", vk::Digit0, true}, KeyCase{"MainRowNine", vk::Digit0 + 9, true},
        KeyCase{"KeypadZero", vk::Numpad0, true}, KeyCase{"KeypadNine", vk::Numpad0 + 9, true},
        KeyCase{"Backspace", vk::Back, true}, KeyCase{"Delete", vk::Delete, true},
        KeyCase{"Shift", vk::Shift, false}, KeyCase{"Control", vk::Control, false},
        KeyCase{"Left", vk::Left, false}, KeyCase{"Right", vk::Right, false},
        KeyCase{"Home", vk::Home, false}, KeyCase{"End", vk::End, false},
        KeyCase{"FullStop", vk::OemPeriod, false}, KeyCase{"KeypadDecimal", vk::Decimal, false},
        KeyCase{"Minus", vk::OemMinus, false}, KeyCase{"Space", vk::Space, false},
        KeyCase{"LetterA", vk::LetterA, false}, KeyCase{"LetterZ", vk::LetterA + 25, false}),
    [](const auto& info) { return std::string{info.param.name}; });

TEST_F(CalculatorTest, ResultBoxesAnswerEveryKeyWithReadOnly) {
  calculator.StartUp();
  ASSERT_TRUE(controls.SetValue(Picker::DTPicker2, MakeDate(2040, 1, 1)));
  calculator.RefreshLastDate();
  calculator.CountInterval();
  controls.effects.clear();
  for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4})
    calculator.GuardResultBox(box);
  EXPECT_EQ(controls.effects,
            (Effects{"message Read only.", "Text1 = 0", "message Read only.", "Text2 = 0",
                     "message Read only.", "Text3 = 0", "message Read only.", "Text4 = 0"}));
}

TEST_F(CalculatorTest, TypingPastTheLimitResetsOnTheOffendingDigit) {
  calculator.StartUp();
  Type("999999");
  EXPECT_TRUE(controls.Messages().empty());
  Type("9");
  EXPECT_EQ(controls.Messages(), Messages{"Number too big."});
  EXPECT_EQ(controls.Text(TextBox::Text5), "0");
  Type("12");  // typing goes on after the reset's own "0"
  EXPECT_EQ(controls.Text(TextBox::Text5), "012");
}

}  // namespace
}  // namespace calvanir
