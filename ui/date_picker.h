// SPDX-License-Identifier: GPL-3.0-or-later
// A date picker over QDateEdit with its drop-down calendar, holding one CalendarDate.
//
// It is edited a section at a time, as after Tab: a click on the day, month or year selects that
// section, and digits typed then replace it. The wheel steps a section only while the picker has
// the focus. F4 or Alt+Down opens the calendar; Escape closes it and keeps the date, a click or
// Enter picks a day. A pasted date (Ctrl+V, the context menu, a middle click) replaces the whole
// value when it is written in ISO 8601 or in the picker's own display format.
#pragma once

#include <QDateEdit>

#include "calendar.h"
#include "errors.h"

class QTimer;

namespace calvanir::ui {

QDate ToQDate(CalendarDate date);
CalendarDate FromQDate(QDate date);

// The user's locale's short date order, always with four-digit years.
QString LocalDateFormat();

// The date in full with its weekday, in the locale's own words: "Friday, March 14, 2003",
// "Freitag, 14. März 2003".
QString FullDate(const QLocale& locale, QDate date);

// The date in `text`, written as yyyy-mm-dd or in `format` with the digits of `locale` or ASCII
// ones, white space around it ignored; an invalid QDate for anything else.
QDate ParsePastedDate(const QString& text, const QString& format, const QLocale& locale);

class DatePicker : public QDateEdit {
  Q_OBJECT

 public:
  explicit DatePicker(QWidget* parent = nullptr);

  CalendarDate Value() const { return FromQDate(date()); }
  // QDateEdit clamps an out-of-range date silently; refuse it instead so that the caller can answer
  // it, and keep the date shown.
  Status SetValue(CalendarDate value);

  // Takes a pasted date; anything else, or a date the picker refuses, leaves the value as it was
  // and beeps.
  void PasteDate(const QString& text);
  void OpenCalendar();

  // Whether the widest date of the range shows whole: as wide as Qt measures it beside the arrow
  // and the style's frames, and in an edit field as tall as a line of its text. Qt 6.5 and later
  // measure a few pixels of padding above and below the text too, which the text does not need.
  bool ShowsWidestDateWhole() const;

 signals:
  // Every change of the value, typed, stepped, picked from the calendar or set by the program.
  void changed();
  // The focus is leaving the picker: its validate event.
  void validating();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab leaves the picker, as in every other control, instead of walking its day, month and year
  // (the arrow keys and the mouse do that): QDateTimeEdit's own step through the sections is
  // skipped on purpose.
  bool focusNextPrevChild(bool next) override {
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    return QWidget::focusNextPrevChild(next);
  }

 private:
  // The tooltip and what a screen reader hears of the date besides its short display.
  void ShowFullDate();
  void PrepareCalendar();
  bool EditorMouseEvent(QMouseEvent* event);
  void SelectSectionAt(int cursorPosition);
  // Selects the index-th section of the text, as Tab selects the first.
  void SelectSection(int index);

  bool calendarReady_ = false;
  // The section the last click selected, while the focus stays in the picker; -1 for none.
  int clickedSection_ = -1;
  // The value when the drop-down calendar opened, and whether a day has been picked since.
  QDate dateBeforeCalendar_;
  bool dayPicked_ = false;
  QTimer* calendarClosed_ = nullptr;
};

}  // namespace calvanir::ui
