// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar rules written a second time, on Qt's QDate: the independent reference the tests
// check the calendar against, and the yardstick the benchmarks time it against.
#pragma once

#include <QDate>

#include "calendar.h"

namespace calvanir::reference {

// Day 0 of the count as a QDate, and day counts to QDates and back through it.
inline const QDate kDayZero{static_cast<int>(calvanir::kDayZero.year()),
                            static_cast<int>(static_cast<unsigned>(calvanir::kDayZero.month())),
                            static_cast<int>(static_cast<unsigned>(calvanir::kDayZero.day()))};
inline CalendarDate SerialOf(QDate date) {
  return static_cast<CalendarDate>(kDayZero.daysTo(date));
}
inline QDate DateOf(CalendarDate serial) {
  return kDayZero.addDays(static_cast<qint64>(serial));
}

inline QDate SundayOnOrBefore(QDate date) {
  return date.addDays(-(date.dayOfWeek() % 7));
}

inline qint64 Difference(IntervalUnit unit, QDate first, QDate last) {
  if (unit == IntervalUnit::Days) return first.daysTo(last);
  if (unit == IntervalUnit::Weeks)
    return SundayOnOrBefore(first).daysTo(SundayOnOrBefore(last)) / 7;
  if (unit == IntervalUnit::Months)
    return (last.year() * 12 + last.month()) - (first.year() * 12 + first.month());
  return last.year() - first.year();
}

// Days, Weeks or Months, as the shift tool offers.
inline QDate Shift(IntervalUnit unit, int count, QDate date) {
  if (unit == IntervalUnit::Days) return date.addDays(count);
  if (unit == IntervalUnit::Weeks) return date.addDays(7LL * count);
  return date.addMonths(count);  // clamps to the target month's last day
}

}  // namespace calvanir::reference
