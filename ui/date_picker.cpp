#include "date_picker.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QRegularExpression>

#include "controls.h"

namespace calvanir::ui {
namespace {

// The Julian day of day 0 of the count, 1899-12-30.
constexpr qint64 kDayZeroJulian = 2415019;

}  // namespace

QDate ToQDate(CalendarDate date) {
  return QDate::fromJulianDay(static_cast<qint64>(date) + kDayZeroJulian);
}

CalendarDate FromQDate(QDate date) {
  return static_cast<CalendarDate>(date.toJulianDay() - kDayZeroJulian);
}

QString LocalDateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  // A month name would not fit the picker, and a date is read here at a glance: numbers only.
  if (format.contains(QLatin1String("MMM"))) return QStringLiteral("yyyy-MM-dd");
  static const QRegularExpression years{QStringLiteral("y+")};
  return format.replace(years, QStringLiteral("yyyy"));
}

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
  setDateRange(ToQDate(FromCivil(kPickerFirst)), ToQDate(FromCivil(kPickerLast)));
  setCalendarPopup(true);
  setDisplayFormat(LocalDateFormat());
  connect(this, &QDateEdit::dateChanged, this, &DatePicker::changed);
}

Status DatePicker::SetValue(CalendarDate value) {
  if (!PickerAccepts(value)) return Error::RangeRejected;
  setDate(ToQDate(value));
  return std::monostate{};
}

// The drop-down calendar costs more to build than the rest of the window: build it when the user
// first reaches for it (a mouse press, or F4 or Alt+Down), not at start.
void DatePicker::PrepareCalendar() {
  if (calendarReady_) return;
  calendarReady_ = true;
  // Weeks begin on Sunday, as the week count does.
  calendarWidget()->setFirstDayOfWeek(Qt::Sunday);
  calendarWidget()->setGridVisible(true);
}

void DatePicker::mousePressEvent(QMouseEvent* event) {
  PrepareCalendar();
  QDateEdit::mousePressEvent(event);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  PrepareCalendar();
  QDateEdit::keyPressEvent(event);
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
  QDateEdit::focusOutEvent(event);
  emit validate();
}

}  // namespace calvanir::ui
