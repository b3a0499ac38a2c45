// The calendar rules written a second time, on Qt's QDate: the independent reference the tests
// check the calendar against, and the yardstick the benchmarks time it against.
#pragma once

#include <QDate>

#include "calendar.h"

namespace calvanir::reference {

inline QDate SundayOnOrBefore(QDate date) {
  return date.addDays(-(date.dayOfWeek() % 7));
}

inline qint64 Difference(IntervalUnit unit, QDate first, QDate last) {
  switch (unit) {
    case IntervalUnit::Days:
      return first.daysTo(last);
    case IntervalUnit::Weeks:
      return SundayOnOrBefore(first).daysTo(SundayOnOrBefore(last)) / 7;
    case IntervalUnit::Months:
      return (last.year() * 12 + last.month()) - (first.year() * 12 + first.month());
    case IntervalUnit::Years:
      return last.year() - first.year();
  }
  return 0;
}

inline QDate Shift(IntervalUnit unit, int count, QDate date) {
  switch (unit) {
    case IntervalUnit::Days:
      return date.addDays(count);
    case IntervalUnit::Weeks:
      return date.addDays(7LL * count);
    case IntervalUnit::Months:
      return date.addMonths(count);  // clamps to the target month's last day
    case IntervalUnit::Years:
      return date.addYears(count);
  }
  return {};
}

}  // namespace calvanir::reference
