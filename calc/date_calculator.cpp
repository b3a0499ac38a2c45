#include "date_calculator.h"

#include <string>

#include "number_text.h"

namespace calvanir {
namespace {

// The box each unit's count is written into, in the order of kIntervalUnits.
constexpr TextBox kResultBoxes[] = {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4};

}  // namespace

void DateCalculator::StartUp() {
  for (const Picker picker : {Picker::DTPicker1, Picker::DTPicker2, Picker::DTPicker3, Picker::DTPicker4}) {
    controls_.SetValue(picker, Today());
  }
  module1_.FirstDate = Today();
  module1_.LastDate = Today();
  module1_.BaseDate = Today();
  controls_.SetUpStatusBar();
  for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4, TextBox::Text5}) {
    controls_.SetText(box, kResetText);
  }
  controls_.Select(OptionButton::Option1);
  controls_.Select(OptionButton::Option4);
}

void DateCalculator::RefreshFirstDate() { module1_.FirstDate = controls_.Value(Picker::DTPicker1); }
void DateCalculator::RefreshLastDate() { module1_.LastDate = controls_.Value(Picker::DTPicker2); }
void DateCalculator::RefreshBaseDate() { module1_.BaseDate = controls_.Value(Picker::DTPicker3); }

void DateCalculator::CountInterval() {
  for (const IntervalUnitInfo& unit : kIntervalUnits) {
    module1_.DiffResult = DateDifference(unit.unit, module1_.FirstDate, module1_.LastDate);
    std::string text{FormatWhole(module1_.DiffResult).view()};
    text += unit.suffix;
    controls_.SetText(kResultBoxes[static_cast<int>(unit.unit)], text);
  }
}

}  // namespace calvanir
