// A date picker over QDateEdit with its drop-down calendar, holding one CalendarDate.
#pragma once

#include <QDateEdit>

#include "calendar.h"
#include "errors.h"

namespace calvanir::ui {

QDate ToQDate(CalendarDate date);
CalendarDate FromQDate(QDate date);

// The user's locale's short date order, always with four-digit years.
QString LocalDateFormat();

class DatePicker : public QDateEdit {
  Q_OBJECT

 public:
  explicit DatePicker(QWidget* parent = nullptr);

  CalendarDate Value() const { return FromQDate(date()); }
  // QDateEdit clamps an out-of-range date silently; refuse it instead so that the caller can answer
  // it, and keep the date shown.
  Status SetValue(CalendarDate value);

 signals:
  // Every change of the value, typed, stepped, picked from the calendar or set by the program.
  void changed();
  // The focus is leaving the picker.
  void validate();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab leaves the picker, as in every other control, instead of walking its day, month and year
  // (the arrow keys do that): QDateTimeEdit's own step through the sections is skipped on purpose.
  bool focusNextPrevChild(bool next) override {
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    return QWidget::focusNextPrevChild(next);
  }

 private:
  void PrepareCalendar();
  bool calendarReady_ = false;
};

}  // namespace calvanir::ui
