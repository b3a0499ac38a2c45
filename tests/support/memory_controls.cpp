#include "memory_controls.h"

namespace calvanir::testing {

Status MemoryControls::SetValue(Picker picker, CalendarDate date) {
  if (!PickerAccepts(date)) return Error::RangeRejected;
  values_[Index(picker)] = date;
  return std::monostate{};
}

void MemoryControls::SetText(TextBox box, std::string_view text) {
  texts_[Index(box)] = text;
  if (box == TextBox::Text5 && text5Changed) text5Changed();
}

void MemoryControls::Select(OptionButton option) {
  const bool unitGroup = option <= OptionButton::Option3;
  for (auto other : {OptionButton::Option1, OptionButton::Option2, OptionButton::Option3,
                     OptionButton::Option4, OptionButton::Option5}) {
    if ((other <= OptionButton::Option3) == unitGroup) selected_[Index(other)] = false;
  }
  selected_[Index(option)] = true;
}

}  // namespace calvanir::testing
