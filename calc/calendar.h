// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar arithmetic: the date type, the interval units and the three calendar operations.
//
// A `CalendarDate` is a day count held in a double: day 0 is 1899-12-30, day 1 is 1899-12-31 (a
// Sunday), day 37691 is 2003-03-11, and dates before 1899-12-30 are negative (-657434 is
// 0100-01-01). Every date the program makes is a whole day. The calendar is the proleptic Gregorian
// one over 0100-01-01..9999-12-31.
//
//   CalendarDate first = MakeDate(2003, 3, 11), last = MakeDate(2004, 3, 10);
//   DateDifference(IntervalUnit::Days, first, last);    // 365
//   DateDifference(IntervalUnit::Weeks, first, last);   // 52
//   DateDifference(IntervalUnit::Months, first, last);  // 12
//   DateDifference(IntervalUnit::Years, first, last);   // 1
//
// What is a week between two dates?
//   Weeks begin on Sunday, and the week count is the number of Sundays passed, not the number of
//   whole seven-day spans. From Sunday 2003-03-09 to Saturday 2003-03-15 is 6 days and 0 weeks; to
//   Sunday 2003-03-16 it is 7 days and 1 week. From Saturday 2003-03-15 to Sunday 2003-03-16 is one
//   day, and also 1 week. Formally: (SundayOnOrBefore(last) - SundayOnOrBefore(first)) / 7.
//
// What are months and years between two dates?
//   Calendar boundaries crossed: the days of the month play no part. From 2003-12-31 to 2004-01-01
//   is 1 day, 0 weeks, 1 month and 1 year; from 2003-01-01 to 2003-12-31 is 0 years.
//
// What is the result of adding a month to January 31?
//   The same day of the month in the target month, or that month's last day when it is shorter:
//   2004-01-31 plus 1 month is 2004-02-29, 2003-01-31 plus 1 month is 2003-02-28, and 2003-03-31
//   minus 1 month is 2003-02-28. Month shifts do not chain: 2003-01-31 plus 2 months is 2003-03-31,
//   while plus 1 month twice gives 2003-03-28.
#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

#include "errors.h"

namespace calvanir {

// The day count of a calendar date; see the top of this file.
using CalendarDate = double;

// The interval units in table order: the count tool shows all four, the shift tool offers the first
// three.
enum class IntervalUnit { Days, Weeks, Months, Years };

struct IntervalUnitInfo {
  IntervalUnit unit;
  // Follows the count directly in a result text: "3 day(s).".
  std::string_view suffix;
  // The largest count the shift tool takes; zero for Years, which it does not offer. The limits
  // shrink tenfold from unit to unit, not in proportion to the unit lengths.
  double shiftLimit;
};

inline constexpr IntervalUnitInfo kIntervalUnits[] = {
    {IntervalUnit::Days, " day(s).", 999999},
    {IntervalUnit::Weeks, " week(s).", 99999},
    {IntervalUnit::Months, " month(s).", 9999},
    {IntervalUnit::Years, " year(s).", 0},
};

constexpr const IntervalUnitInfo& InfoOf(IntervalUnit unit) {
  return kIntervalUnits[static_cast<int>(unit)];
}

// A count is too big when it is strictly greater than the unit's limit: 999999 days pass.
constexpr bool ExceedsShiftLimit(IntervalUnit unit, double count) {
  return count > InfoOf(unit).shiftLimit;
}

// Day 0 of the count.
inline constexpr std::chrono::year_month_day kDayZero{std::chrono::year{1899},
                                                      std::chrono::December, std::chrono::day{30}};

// Civil conversions. The date must lie within 0100-01-01..9999-12-31.
CalendarDate MakeDate(int year, unsigned month, unsigned day);
CalendarDate FromCivil(std::chrono::year_month_day date);
std::chrono::year_month_day ToCivil(CalendarDate date);

inline constexpr std::chrono::year_month_day kFirstRepresentable{
    std::chrono::year{100}, std::chrono::January, std::chrono::day{1}};
inline constexpr std::chrono::year_month_day kLastRepresentable{
    std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};

// Today's date from the system clock, with no time of day; read afresh on every call.
CalendarDate Today();

// The number of `unit` steps from `first` to `last`, negative when `last` lies before `first`. Both
// dates must be representable; the result then always fits (at most 3615899 days).
std::int32_t DateDifference(IntervalUnit unit, CalendarDate first, CalendarDate last);

// `date` moved by `count` units of Days, Weeks or Months (negative moves back; the shift tool
// offers no Years), or `Error::DateOutOfRange` when the result would fall outside
// 0100-01-01..9999-12-31. A count with a fractional part is truncated toward zero: only whole units
// are ever added.
Checked<CalendarDate> DateShift(IntervalUnit unit, double count, CalendarDate date);

}  // namespace calvanir
