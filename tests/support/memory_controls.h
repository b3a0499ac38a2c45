// The window's controls held in memory, behaving as the real ones do where the calculation code can
// tell: a picker refuses a date outside its range and keeps its value, a write into Text5 runs the
// change hook before it returns, options are grouped, and every message is recorded in order.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "controls.h"

namespace calvanir::testing {

class MemoryControls : public Controls {
 public:
  CalendarDate Value(Picker picker) const override { return values_[Index(picker)]; }
  Status SetValue(Picker picker, CalendarDate date) override;
  std::string Text(TextBox box) const override { return texts_[Index(box)]; }
  void SetText(TextBox box, std::string_view text) override;
  bool Selected(OptionButton option) const override { return selected_[Index(option)]; }
  void Select(OptionButton option) override;
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void SetUpStatusBar() override { ++statusBarSetUps; }

  // Runs on every write of Text5's text, as the real box's change event does.
  std::function<void()> text5Changed;
  std::vector<std::string> messages;
  int statusBarSetUps = 0;

 private:
  template <class E>
  static std::size_t Index(E e) {
    return static_cast<std::size_t>(e);
  }
  std::array<CalendarDate, 4> values_{};
  std::array<std::string, 5> texts_{};
  std::array<bool, 5> selected_{};
};

}  // namespace calvanir::testing
