// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator over controls held in memory, wired as the window wires it, on a fixed today.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "date_calculator.h"
#include "memory_controls.h"

namespace calvanir::testing {

class CalculatorTest : public ::testing::Test {
 protected:
  CalculatorTest() {
    controls.text5Changed = [this] { calculator.CheckIntervalSize(); };
  }

  static CalendarDate Today() { return MakeDate(2003, 3, 14); }

  // Keys typed into Text5 one at a time; a key the filter lets through types its digit.
  void Type(const std::string& digits) {
    for (const char c : digits) {
      if (calculator.FilterIntervalKey(static_cast<KeyCode>(vk::Digit0 + (c - '0')))) {
        controls.SetText(TextBox::Text5, controls.Text(TextBox::Text5) + c);
      }
    }
  }

  void SetBaseDate(CalendarDate date) {
    ASSERT_TRUE(controls.SetValue(Picker::DTPicker3, date));
    calculator.RefreshBaseDate();
  }

  using Messages = std::vector<std::string>;
  using Effects = std::vector<std::string>;

  MemoryControls controls;
  DateCalculator calculator{controls, &CalculatorTest::Today};
};

}  // namespace calvanir::testing
