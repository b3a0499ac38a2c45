// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_calculator.h"

#include <limits>
#include <string>

#include "number_text.h"

namespace calvanir {
namespace {

// The shift tool's unit options, in the order its checks run.
struct UnitOption {
  OptionButton option;
  IntervalUnit unit;
};
constexpr UnitOption kUnitOptions[] = {{OptionButton::Option1, IntervalUnit::Days},
                                       {OptionButton::Option2, IntervalUnit::Weeks},
                                       {OptionButton::Option3, IntervalUnit::Months}};

// The count in Text5, read afresh. A string of digits too long for a double is still a number,
// larger than every limit.
Checked<double> ReadIntervalCount(const Controls& controls) {
  const Checked<double> count = ParseNumber(controls.Text(TextBox::Text5));
  if (!count && count.error() == Error::NumberTooLong)
    return std::numeric_limits<double>::infinity();
  return count;
}

}  // namespace

void DateCalculator::StartUp() {
  for (const Picker picker :
       {Picker::DTPicker1, Picker::DTPicker2, Picker::DTPicker3, Picker::DTPicker4}) {
    controls_.SetValue(picker, today_());
  }
  module1_.FirstDate = today_();
  module1_.LastDate = today_();
  module1_.BaseDate = today_();
  controls_.SetUpStatusBar();
  for (const TextBox box :
       {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4, TextBox::Text5}) {
    controls_.SetText(box, kResetText);
  }
  controls_.Select(OptionButton::Option1);
  controls_.Select(OptionButton::Option4);
}

void DateCalculator::RefreshFirstDate() {
  module1_.FirstDate = controls_.Value(Picker::DTPicker1);
}
void DateCalculator::RefreshLastDate() {
  module1_.LastDate = controls_.Value(Picker::DTPicker2);
}
void DateCalculator::RefreshBaseDate() {
  module1_.BaseDate = controls_.Value(Picker::DTPicker3);
}

void DateCalculator::CountInterval() {
  for (const IntervalUnitInfo& unit : kIntervalUnits) {
    module1_.DiffResult = DateDifference(unit.unit, module1_.FirstDate, module1_.LastDate);
    controls_.ShowResult(unit.unit, module1_.DiffResult);
  }
}

void DateCalculator::ResetInterval(std::string_view message) {
  controls_.ShowMessage(message);
  controls_.SetText(TextBox::Text5, kResetText);
}

bool DateCalculator::HoldIntervalToLimit() {
  // Each check reads the box again: an earlier one may have reset it.
  for (const UnitOption& unit : kUnitOptions) {
    const Checked<double> count = ReadIntervalCount(controls_);
    if (!count) {
      ResetInterval(kPleaseEnterANumber);
      return false;
    }
    if (controls_.Selected(unit.option) && ExceedsShiftLimit(unit.unit, *count))
      ResetInterval(kNumberTooBig);
  }
  return true;
}

void DateCalculator::ShiftInterval() {
  // A count typed under Days stays in the box when Weeks is chosen later, so the limit is held here
  // once more.
  if (!HoldIntervalToLimit()) return;
  // The checks leave a number in the box: the one typed, or their "0".
  module1_.IntervalCount = *ReadIntervalCount(controls_);
  module1_.NegatedIntervalCount = module1_.IntervalCount * -1;

  const struct {
    OptionButton option;
    double count;
  } directions[] = {{OptionButton::Option5, module1_.NegatedIntervalCount},
                    {OptionButton::Option4, module1_.IntervalCount}};
  for (const auto& direction : directions) {
    for (const UnitOption& unit : kUnitOptions) {
      if (!controls_.Selected(direction.option) || !controls_.Selected(unit.option)) continue;
      const Checked<CalendarDate> result = DateShift(unit.unit, direction.count, module1_.BaseDate);
      // A date outside the calendar is as much too far as one the Resulting Date refuses; answering
      // it alike keeps the user from mistaking the previous result for the new one.
      if (!result) return ResetInterval(kNumberTooBig);
      const Status stored = controls_.SetValue(Picker::DTPicker4, *result);
      if (!stored && stored.error() == Error::RangeRejected) ResetInterval(kNumberTooBig);
      return;
    }
  }
}

void DateCalculator::GuardResultBox(TextBox box) {
  controls_.ShowMessage(kReadOnly);
  controls_.SetText(box, kResetText);
}

bool DateCalculator::FilterIntervalKey(KeyCode code) {
  if (IsIntervalKey(code)) return true;
  ResetInterval(kPleaseEnterANumber);
  return false;
}

void DateCalculator::CheckIntervalSize() {
  if (controls_.Text(TextBox::Text5).empty()) return;
  HoldIntervalToLimit();
}

}  // namespace calvanir
