// The operations that the window's events run, each to completion, one at a time.
//
// The two tools never read the first three pickers: they read copies of them, kept in `Module1` and
// refreshed whenever a picker changes, so that a date picked a moment ago counts even when the focus
// never left its picker.
#pragma once

#include <cstdint>

#include "calendar.h"
#include "controls.h"

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
  explicit DateCalculator(Controls& controls) : controls_(controls) {}

  // The window's load: today into every picker and copy, the status bar, "0" into every box, Days
  // and Add selected.
  void StartUp();
  void RefreshFirstDate();
  void RefreshLastDate();
  void RefreshBaseDate();

  // The upper Calculate: the four results from FirstDate to LastDate into Text1..Text4.
  void CountInterval();

  const Module1& Values() const { return module1_; }

 private:
  Controls& controls_;
  Module1 module1_;
};

}  // namespace calvanir
