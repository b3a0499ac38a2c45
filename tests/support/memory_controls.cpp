// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_controls.h"

#include <cstdio>

#include "number_text.h"

namespace calvanir::testing {

Status MemoryControls::SetValue(Picker picker, CalendarDate date) {
  if (!PickerAccepts(date)) return Error::RangeRejected;
  values_[Index(picker)] = date;
  const auto ymd = ToCivil(date);
  char effect[32];
  std::snprintf(effect, sizeof effect, "DTPicker%zu = %04d-%02u-%02u", Index(picker) + 1,
                static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                static_cast<unsigned>(ymd.day()));
  effects.emplace_back(effect);
  return std::monostate{};
}

void MemoryControls::SetText(TextBox box, std::string_view text) {
  texts_[Index(box)] = text;
  effects.push_back("Text" + std::to_string(Index(box) + 1) + " = " + std::string{text});
  if (box != TextBox::Text5 || !text5Changed) return;
  effects.emplace_back("Text5 changed {");
  text5Changed();
  effects.emplace_back("}");
}

void MemoryControls::ShowResult(IntervalUnit unit, std::int32_t count) {
  SetText(kResultBoxes[Index(unit)],
          std::string{FormatWhole(count)} + std::string{InfoOf(unit).suffix});
}

void MemoryControls::Select(OptionButton option) {
  const bool unitGroup = option <= OptionButton::Option3;
  for (auto other : {OptionButton::Option1, OptionButton::Option2, OptionButton::Option3,
                     OptionButton::Option4, OptionButton::Option5}) {
    if ((other <= OptionButton::Option3) == unitGroup) selected_[Index(other)] = false;
  }
  selected_[Index(option)] = true;
  effects.push_back("Option" + std::to_string(Index(option) + 1) + " selected");
}

namespace {
constexpr std::string_view kMessage = "message ";
}  // namespace

void MemoryControls::ShowMessage(std::string_view text) {
  effects.push_back(std::string{kMessage} + std::string{text});
}

std::vector<std::string> MemoryControls::Messages() const {
  std::vector<std::string> messages;
  for (const std::string& effect : effects) {
    if (effect.rfind(kMessage, 0) == 0) messages.push_back(effect.substr(kMessage.size()));
  }
  return messages;
}

}  // namespace calvanir::testing
