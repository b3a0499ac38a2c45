// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar checked against Qt's QDate, an independent proleptic Gregorian implementation: every
// day of the representable range, then a million random differences and shifts from a fixed seed.
#include <gtest/gtest.h>

#include <QDate>
#include <cstdint>
#include <random>

#include "calendar.h"
#include "qdate_reference.h"

namespace calvanir {
namespace {

using reference::DateOf;
using reference::SerialOf;

const QDate kFirst{100, 1, 1};
const QDate kLast{9999, 12, 31};

TEST(CalendarAgainstQDate, EveryRepresentableDayBothWaysWithItsWeekday) {
  ASSERT_EQ(MakeDate(100, 1, 1), SerialOf(kFirst));
  std::int64_t checked = 0;
  for (QDate q = kFirst; q <= kLast; q = q.addDays(1), ++checked) {
    const CalendarDate serial = SerialOf(q);
    const auto civil = ToCivil(serial);
    ASSERT_EQ(static_cast<int>(civil.year()), q.year()) << serial;
    ASSERT_EQ(static_cast<unsigned>(civil.month()), static_cast<unsigned>(q.month())) << serial;
    ASSERT_EQ(static_cast<unsigned>(civil.day()), static_cast<unsigned>(q.day())) << serial;
    ASSERT_EQ(FromCivil(civil), serial);
    // One day crosses a week boundary exactly when it ends on a Sunday.
    ASSERT_EQ(DateDifference(IntervalUnit::Weeks, serial - 1, serial), q.dayOfWeek() == 7 ? 1 : 0)
        << q.toString(Qt::ISODate).toStdString();
  }
  EXPECT_EQ(checked, 3615900);
}

// Today is the local date that Qt reads from the clock too; a midnight may pass between the
// readings.
TEST(CalendarAgainstQDate, TodayIsTheLocalDate) {
  const QDate before = QDate::currentDate();
  const CalendarDate today = Today();
  const QDate after = QDate::currentDate();
  EXPECT_TRUE(today == SerialOf(before) || today == SerialOf(after))
      << DateOf(today).toString(Qt::ISODate).toStdString();
}

TEST(CalendarAgainstQDate, RandomDifferencesAndShifts) {
  std::mt19937_64 random{20030311};
  const qint64 span = kFirst.daysTo(kLast);
  std::uniform_int_distribution<qint64> anyDay{0, span};
  // Half the pairs lie within a few years of each other, where the week and month rules bite.
  std::uniform_int_distribution<qint64> nearby{-2000, 2000};
  constexpr int kShiftUnits = 3;

  for (int i = 0; i < 1'000'000; ++i) {
    const QDate first = kFirst.addDays(anyDay(random));
    QDate last = (i % 2 == 0) ? kFirst.addDays(anyDay(random)) : first.addDays(nearby(random));
    if (last < kFirst || last > kLast) last = first;

    const IntervalUnit unit = kIntervalUnits[i % 4].unit;
    ASSERT_EQ(DateDifference(unit, SerialOf(first), SerialOf(last)),
              reference::Difference(unit, first, last))
        << InfoOf(unit).suffix << ' ' << first.toString(Qt::ISODate).toStdString() << ' '
        << last.toString(Qt::ISODate).toStdString();

    const IntervalUnit shiftUnit = kIntervalUnits[i % kShiftUnits].unit;
    const int limit = static_cast<int>(InfoOf(shiftUnit).shiftLimit);
    const int count = std::uniform_int_distribution<int>{-limit, limit}(random);
    const QDate expected = reference::Shift(shiftUnit, count, first);
    const Checked<CalendarDate> shifted = DateShift(shiftUnit, count, SerialOf(first));
    if (expected < kFirst || expected > kLast) {
      ASSERT_FALSE(shifted) << InfoOf(shiftUnit).suffix << ' ' << count << ' '
                            << first.toString(Qt::ISODate).toStdString();
    } else {
      ASSERT_TRUE(shifted) << InfoOf(shiftUnit).suffix << ' ' << count;
      ASSERT_EQ(DateOf(*shifted), expected) << InfoOf(shiftUnit).suffix << ' ' << count << ' '
                                            << first.toString(Qt::ISODate).toStdString();
    }
  }
}

}  // namespace
}  // namespace calvanir
