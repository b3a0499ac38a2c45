// SPDX-License-Identifier: GPL-3.0-or-later
// Per-call cost of the calendar operations and number texts, side by side with the same work done
// through QDate and through ICU's Calendar and NumberFormat, in one run, with the ratios at the
// end.
#include <benchmark/benchmark.h>
#include <unicode/gregocal.h>
#include <unicode/numfmt.h>
#include <unicode/timezone.h>

#include <QDate>
#include <QString>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "calendar.h"
#include "number_text.h"
#include "qdate_reference.h"

namespace {

using calvanir::CalendarDate;
using calvanir::IntervalUnit;

constexpr std::size_t kSamples = 4096;  // a power of two: cycled through with a mask

struct Samples {
  std::vector<CalendarDate> first, last;
  std::vector<QDate> qFirst, qLast;
  std::vector<UDate> uFirst, uLast;
  std::vector<double> counts[3];
  std::vector<std::string> numberTexts;
  std::vector<std::int32_t> wholes;
};

const Samples& Data() {
  static const Samples samples = [] {
    Samples s;
    std::mt19937_64 random{42};
    std::uniform_int_distribution<int> anyDay{static_cast<int>(calvanir::MakeDate(1000, 1, 1)),
                                              static_cast<int>(calvanir::MakeDate(9000, 12, 31))};
    std::uniform_int_distribution<int> nearby{-4000, 4000};
    const QDate unixEpoch{1970, 1, 1};
    for (std::size_t i = 0; i < kSamples; ++i) {
      const int f = anyDay(random), l = f + nearby(random);
      s.first.push_back(f);
      s.last.push_back(l);
      s.qFirst.push_back(calvanir::reference::DateOf(f));
      s.qLast.push_back(calvanir::reference::DateOf(l));
      s.uFirst.push_back(static_cast<double>(unixEpoch.daysTo(s.qFirst.back())) * 86400000.0);
      s.uLast.push_back(static_cast<double>(unixEpoch.daysTo(s.qLast.back())) * 86400000.0);
      for (int u = 0; u < 3; ++u) {
        // Small enough that every shift stays inside the calendar.
        const int limit = static_cast<int>(calvanir::kIntervalUnits[u].shiftLimit);
        s.counts[u].push_back(std::uniform_int_distribution<int>{-limit / 40, limit / 40}(random));
      }
      s.wholes.push_back(l - f);
      s.numberTexts.push_back(std::to_string(std::uniform_int_distribution<int>{
          0, static_cast<int>(calvanir::InfoOf(IntervalUnit::Days).shiftLimit)}(random)));
    }
    return s;
  }();
  return samples;
}

// Times `operation` on one sample after another, keeping what it returns from the optimiser.
template <class Operation>
void OverSamples(benchmark::State& state, Operation operation) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(operation(i));
    i = (i + 1) & (kSamples - 1);
  }
}

// ---- Calvanir ----

template <IntervalUnit unit>
void CalvanirDifference(benchmark::State& state) {
  const Samples& s = Data();
  OverSamples(state,
              [&](std::size_t i) { return calvanir::DateDifference(unit, s.first[i], s.last[i]); });
}

template <IntervalUnit unit>
void CalvanirShift(benchmark::State& state) {
  const Samples& s = Data();
  const auto& counts = s.counts[static_cast<int>(unit)];
  OverSamples(state,
              [&](std::size_t i) { return calvanir::DateShift(unit, counts[i], s.first[i]); });
}

void CalvanirFormatWhole(benchmark::State& state) {
  const Samples& s = Data();
  OverSamples(state, [&](std::size_t i) { return calvanir::FormatWhole(s.wholes[i]); });
}

void CalvanirParseNumber(benchmark::State& state) {
  const Samples& s = Data();
  OverSamples(state, [&](std::size_t i) { return calvanir::ParseNumber(s.numberTexts[i]); });
}

// ---- QDate, with the same week and month rules on top ----

template <IntervalUnit unit>
void QDateDifference(benchmark::State& state) {
  const Samples& s = Data();
  OverSamples(state, [&](std::size_t i) {
    return calvanir::reference::Difference(unit, s.qFirst[i], s.qLast[i]);
  });
}

template <IntervalUnit unit>
void QDateShift(benchmark::State& state) {
  const Samples& s = Data();
  const auto& counts = s.counts[static_cast<int>(unit)];
  OverSamples(state, [&](std::size_t i) {
    return calvanir::reference::Shift(unit, static_cast<int>(counts[i]), s.qFirst[i]);
  });
}

void QStringFormatWhole(benchmark::State& state) {
  const Samples& s = Data();
  OverSamples(state, [&](std::size_t i) { return QString::number(s.wholes[i]); });
}

void QStringParseNumber(benchmark::State& state) {
  const Samples& s = Data();
  std::vector<QString> texts;
  for (const auto& t : s.numberTexts)
    texts.push_back(QString::fromStdString(t));
  OverSamples(state, [&](std::size_t i) {
    bool ok = false;
    return texts[i].toDouble(&ok);
  });
}

// ---- ICU ----

std::unique_ptr<icu::GregorianCalendar> IcuCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  auto calendar =
      std::make_unique<icu::GregorianCalendar>(icu::TimeZone::getGMT()->clone(), status);
  calendar->setGregorianChange(-INFINITY, status);  // proleptic, as the others
  calendar->setFirstDayOfWeek(UCAL_SUNDAY);
  return calendar;
}

UDate IcuSunday(icu::Calendar& calendar, UDate date) {
  UErrorCode status = U_ZERO_ERROR;
  calendar.setTime(date, status);
  const int weekday = calendar.get(UCAL_DAY_OF_WEEK, status);  // Sunday is 1
  return date - (weekday - 1) * 86400000.0;
}

template <IntervalUnit unit>
void IcuDifference(benchmark::State& state) {
  const Samples& s = Data();
  auto calendar = IcuCalendar();
  OverSamples(state, [&](std::size_t i) {
    UErrorCode status = U_ZERO_ERROR;
    std::int32_t result = 0;
    if constexpr (unit == IntervalUnit::Weeks) {
      const UDate last = IcuSunday(*calendar, s.uLast[i]);
      calendar->setTime(IcuSunday(*calendar, s.uFirst[i]), status);
      result = calendar->fieldDifference(last, UCAL_DATE, status) / 7;
    } else if constexpr (unit == IntervalUnit::Days) {
      calendar->setTime(s.uFirst[i], status);
      result = calendar->fieldDifference(s.uLast[i], UCAL_DATE, status);
    } else {
      // Calendar boundaries crossed: both dates moved to the start of their month (or year), then
      // counted in whole spans.
      const UCalendarDateFields field = unit == IntervalUnit::Years ? UCAL_YEAR : UCAL_MONTH;
      const UCalendarDateFields start = unit == IntervalUnit::Years ? UCAL_DAY_OF_YEAR : UCAL_DATE;
      calendar->setTime(s.uLast[i], status);
      calendar->set(start, 1);
      const UDate last = calendar->getTime(status);
      calendar->setTime(s.uFirst[i], status);
      calendar->set(start, 1);
      result = calendar->fieldDifference(last, field, status);
    }
    return result;
  });
}

template <IntervalUnit unit>
void IcuShift(benchmark::State& state) {
  const Samples& s = Data();
  const auto& counts = s.counts[static_cast<int>(unit)];
  auto calendar = IcuCalendar();
  OverSamples(state, [&](std::size_t i) {
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(s.uFirst[i], status);
    const auto n = static_cast<std::int32_t>(counts[i]);
    if constexpr (unit == IntervalUnit::Days) calendar->add(UCAL_DATE, n, status);
    if constexpr (unit == IntervalUnit::Weeks) calendar->add(UCAL_DATE, 7 * n, status);
    if constexpr (unit == IntervalUnit::Months) calendar->add(UCAL_MONTH, n, status);
    return calendar->getTime(status);
  });
}

std::unique_ptr<icu::NumberFormat> IcuNumberFormat() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberFormat> format{
      icu::NumberFormat::createInstance(icu::Locale::getRoot(), status)};
  format->setGroupingUsed(false);
  format->setParseIntegerOnly(true);
  return format;
}

void IcuFormatWhole(benchmark::State& state) {
  const Samples& s = Data();
  auto format = IcuNumberFormat();
  OverSamples(state, [&](std::size_t i) {
    icu::UnicodeString text;
    format->format(s.wholes[i], text);
    return text;
  });
}

void IcuParseNumber(benchmark::State& state) {
  const Samples& s = Data();
  auto format = IcuNumberFormat();
  std::vector<icu::UnicodeString> texts;
  for (const auto& t : s.numberTexts)
    texts.emplace_back(t.c_str());
  OverSamples(state, [&](std::size_t i) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Formattable value;
    format->parse(texts[i], value, status);
    return value.getDouble(status);
  });
}

// The same operation timed three ways, under the names the ratios are looked up by.
template <class Ours, class Qt, class Icu>
void ThreeWay(const std::string& op, Ours ours, Qt qt, Icu icu) {
  benchmark::RegisterBenchmark(("Calvanir/" + op).c_str(), ours);
  benchmark::RegisterBenchmark(("QDate/" + op).c_str(), qt);
  benchmark::RegisterBenchmark(("ICU/" + op).c_str(), icu);
}

template <IntervalUnit unit>
void CountAndShift(const std::string& name) {
  ThreeWay("DateDifference/" + name, CalvanirDifference<unit>, QDateDifference<unit>,
           IcuDifference<unit>);
  if constexpr (unit != IntervalUnit::Years)
    ThreeWay("DateShift/" + name, CalvanirShift<unit>, QDateShift<unit>, IcuShift<unit>);
}

// Keeps each run's time per call so that the ratios can be printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
#if CALVANIR_BENCHMARK_SKIPS  // google-benchmark 1.8 made an error one way of skipping a run
      if (run.skipped) continue;
#else
      if (run.error_occurred) continue;
#endif
      nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
  }
  std::map<std::string, double> nanoseconds;
};

struct Target {
  const char* op;
  double overQDate;  // Calvanir must be at least this many times faster than QDate
};

}  // namespace

int main(int argc, char** argv) {
  CountAndShift<IntervalUnit::Days>("Days");
  CountAndShift<IntervalUnit::Weeks>("Weeks");
  CountAndShift<IntervalUnit::Months>("Months");
  CountAndShift<IntervalUnit::Years>("Years");
  ThreeWay("FormatWhole", CalvanirFormatWhole, QStringFormatWhole, IcuFormatWhole);
  ThreeWay("ParseNumber", CalvanirParseNumber, QStringParseNumber, IcuParseNumber);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const Target targets[] = {
      {"DateDifference/Days", 1},  {"DateDifference/Weeks", 1}, {"DateDifference/Months", 3},
      {"DateDifference/Years", 3}, {"DateShift/Days", 1},       {"DateShift/Weeks", 1},
      {"DateShift/Months", 3},     {"FormatWhole", 0},          {"ParseNumber", 0},
  };
  bool allMet = true;
  std::printf("\n%-22s %10s %10s %10s %9s %9s  %s\n", "operation (ns/call)", "Calvanir", "QDate",
              "ICU", "QDate/us", "ICU/us", "targets (QDate, ICU)");
  for (const Target& t : targets) {
    const auto at = [&](const char* who) {
      const auto found = reporter.nanoseconds.find(std::string{who} + "/" + t.op);
      return found == reporter.nanoseconds.end() ? NAN : found->second;
    };
    const double ours = at("Calvanir"), qt = at("QDate"), icu = at("ICU");
    if (std::isnan(ours)) continue;  // filtered out of this run
    const double overQt = qt / ours, overIcu = icu / ours;
    const bool qtMet = t.overQDate == 0 || overQt >= t.overQDate;
    const bool icuMet = overIcu >= 100;
    allMet = allMet && qtMet && icuMet;
    char qtTarget[16] = "-";
    if (t.overQDate > 0) std::snprintf(qtTarget, sizeof qtTarget, ">=%gx", t.overQDate);
    std::printf("%-22s %10.2f %10.2f %10.2f %8.1fx %8.1fx  %s %s, >=100x %s\n", t.op, ours, qt, icu,
                overQt, overIcu, qtTarget, qtMet ? "met" : "MISSED", icuMet ? "met" : "MISSED");
  }
  std::printf("\n%s\n", allMet ? "All targets met." : "Some targets were missed.");
  benchmark::Shutdown();
  return 0;
}
