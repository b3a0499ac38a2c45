// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace calvanir {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// 1970-01-01, the epoch of std::chrono::sys_days, as a day of the count (25569).
constexpr std::int64_t kUnixEpochSerial = -sys_days{kDayZero}.time_since_epoch().count();

constexpr std::int64_t SerialOf(sys_days day) {
  return day.time_since_epoch().count() + kUnixEpochSerial;
}

// Dates are whole days, so truncation is exact and cheaper than std::floor.
constexpr sys_days DayOf(CalendarDate date) {
  return sys_days{days{static_cast<std::int64_t>(date) - kUnixEpochSerial}};
}

constexpr std::int64_t kFirstSerial = SerialOf(sys_days{kFirstRepresentable});
constexpr std::int64_t kLastSerial = SerialOf(sys_days{kLastRepresentable});

// The Sunday that begins the week holding `day`.
sys_days SundayOnOrBefore(sys_days day) {
  return day - (std::chrono::weekday{day} - std::chrono::Sunday);
}

// Months since January of year 0: the difference of two indexes is the number of month boundaries
// crossed, and an index plus a count is the target month of a shift.
std::int64_t MonthIndex(const year_month_day& date) {
  return std::int64_t{static_cast<int>(date.year())} * 12 + static_cast<unsigned>(date.month()) - 1;
}

Checked<CalendarDate> SerialInRange(std::int64_t serial) {
  if (serial < kFirstSerial || serial > kLastSerial) return Error::DateOutOfRange;
  return static_cast<CalendarDate>(serial);
}

Checked<CalendarDate> ShiftMonths(std::int64_t count, CalendarDate date) {
  const year_month_day from = ToCivil(date);
  const std::int64_t target = MonthIndex(from) + count;
  if (target < MonthIndex(kFirstRepresentable) || target > MonthIndex(kLastRepresentable)) {
    return Error::DateOutOfRange;
  }
  const std::chrono::year year{static_cast<int>(target / 12)};
  const std::chrono::month month{static_cast<unsigned>(target % 12) + 1};
  const std::chrono::day lastDay =
      std::chrono::year_month_day_last{year, month / std::chrono::last}.day();
  return FromCivil(year_month_day{year, month, std::min(from.day(), lastDay)});
}

}  // namespace

CalendarDate FromCivil(year_month_day date) {
  return static_cast<CalendarDate>(SerialOf(sys_days{date}));
}

year_month_day ToCivil(CalendarDate date) {
  return year_month_day{DayOf(date)};
}

CalendarDate MakeDate(int year, unsigned month, unsigned day) {
  return FromCivil(
      year_month_day{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}});
}

CalendarDate Today() {
  // The local calendar date, as the user's own clock shows it.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return MakeDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                  static_cast<unsigned>(local.tm_mday));
}

std::int32_t DateDifference(IntervalUnit unit, CalendarDate first, CalendarDate last) {
  if (unit == IntervalUnit::Days)
    return static_cast<std::int32_t>((DayOf(last) - DayOf(first)).count());
  if (unit == IntervalUnit::Weeks) {
    return static_cast<std::int32_t>(
        (SundayOnOrBefore(DayOf(last)) - SundayOnOrBefore(DayOf(first))).count() / 7);
  }
  if (unit == IntervalUnit::Months)
    return static_cast<std::int32_t>(MonthIndex(ToCivil(last)) - MonthIndex(ToCivil(first)));
  return static_cast<int>(ToCivil(last).year()) - static_cast<int>(ToCivil(first).year());
}

Checked<CalendarDate> DateShift(IntervalUnit unit, double count, CalendarDate date) {
  // No count beyond the whole calendar's span in days can land inside it; refusing those first
  // keeps the integer arithmetic below far from overflow, and also refuses NaN and the infinities.
  constexpr double kBeyondAnyShift = 1e8;
  if (!(std::fabs(count) < kBeyondAnyShift)) return Error::DateOutOfRange;
  const auto steps = static_cast<std::int64_t>(count);  // truncates toward zero
  const std::int64_t from = static_cast<std::int64_t>(date);
  if (unit == IntervalUnit::Days) return SerialInRange(from + steps);
  if (unit == IntervalUnit::Weeks) return SerialInRange(from + 7 * steps);
  return ShiftMonths(steps, date);
}

}  // namespace calvanir
