// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls held in memory, behaving as Controls says the real ones do, and every
// effect on them recorded in one list, in order:
//
//   "DTPicker4 = 2003-02-28"   a picker took a value
//   "Text5 = 0"                a box's text was written
//   "Text5 changed {" ... "}"  the change hook ran, with whatever it did in between
//   "message Number too big."  a message was shown
//   "Option4 selected"
//   "status bar set up"
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
  void ShowResult(IntervalUnit unit, std::int32_t count) override;
  bool Selected(OptionButton option) const override { return selected_[Index(option)]; }
  void Select(OptionButton option) override;
  void ShowMessage(std::string_view text) override;
  void SetUpStatusBar() override { effects.emplace_back("status bar set up"); }

  // The messages among the effects, in order.
  std::vector<std::string> Messages() const;

  // Text5's change check, as the window wires it.
  std::function<void()> text5Changed;
  std::vector<std::string> effects;

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
