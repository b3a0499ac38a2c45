// SPDX-License-Identifier: GPL-3.0-or-later
// The operations that the window's events run, each to completion, one at a time.
//
// The two tools never read the first three pickers: they read copies of them, kept in `Module1` and
// refreshed whenever a picker changes, so that a date picked a moment ago counts even when the
// focus never left its picker.
#pragma once

#include <cstdint>

#include "calendar.h"
#include "controls.h"
#include "key_codes.h"

namespace calvanir {

// The program's application-wide values; all zero until start-up.
struct Module1 {
  CalendarDate FirstDate = 0;
  CalendarDate LastDate = 0;
  CalendarDate BaseDate = 0;
  std::int32_t DiffResult = 0;
  double IntervalCount = 0;
  double NegatedIntervalCount = 0;
};

class DateCalculator {
 public:
  // `today` gives start-up its dates: the system clock's, unless a test fixes them.
  explicit DateCalculator(Controls& controls, CalendarDate (*today)() = &Today)
      : controls_(controls), today_(today) {}

  // The window's load: today into every picker and copy, the status bar, "0" into every box, Days
  // and Add selected.
  void StartUp();
  void RefreshFirstDate();
  void RefreshLastDate();
  void RefreshBaseDate();

  // The upper Calculate: the four results from FirstDate to LastDate into Text1..Text4.
  void CountInterval();

  // The lower Calculate: BaseDate moved by the count in Text5, in the selected unit and direction,
  // into DTPicker4. A count above the unit's limit is answered with "Number too big." and a shift
  // by 0; a result the Resulting Date cannot hold, or that lies outside the calendar, with "Number
  // too big." and no change; no count at all with "Please enter a number.". Each answer resets
  // Text5.
  void ShiftInterval();

  // Any key in a result box: "Read only.", and the box shows "0" until the next count.
  void GuardResultBox(TextBox box);
  // A key down in Text5. Returns whether the key may reach the box; a refused key has been answered
  // with "Please enter a number." and Text5 reset.
  bool FilterIntervalKey(KeyCode code);
  // Every change of Text5, whoever made it: an empty box is left alone (the user is retyping), text
  // that is not a string of digits brings "Please enter a number.", and a count over the selected
  // unit's limit "Number too big."; each of those resets the box to "0", which this check accepts.
  void CheckIntervalSize();

  const Module1& Values() const { return module1_; }

 private:
  void ResetInterval(std::string_view message);
  // The size checks of Text5 against the selected unit's limit. False when the box holds no
  // number, which has then been answered and reset.
  bool HoldIntervalToLimit();

  Controls& controls_;
  CalendarDate (*today_)();
  Module1 module1_;
};

}  // namespace calvanir
