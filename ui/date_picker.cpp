// SPDX-License-Identifier: GPL-3.0-or-later
// The date picker: its sections, stepping, pasting and drop-down calendar.
#include "date_picker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <climits>

#include "controls.h"

namespace calvanir::ui {
namespace {

bool IsCalendarKey(const QKeyEvent& event) {
  const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
  return (event.key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
         (event.key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

}  // namespace

QDate ToQDate(CalendarDate date) {
  const std::chrono::year_month_day civil = ToCivil(date);
  return {static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
          static_cast<int>(static_cast<unsigned>(civil.day()))};
}

CalendarDate FromQDate(QDate date) {
  return MakeDate(date.year(), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
}

QString LocalDateFormat() {
  const QLocale locale;
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // A month name would not fit the picker, and a date is read here at a glance: numbers only. The
  // C locale, which is no one's, gets the international order whatever Qt's version gives it.
  if (locale.language() == QLocale::C || format.contains(QLatin1String("MMM")))
    return QStringLiteral("yyyy-MM-dd");
  static const QRegularExpression years{QStringLiteral("y+")};
  return format.replace(years, QStringLiteral("yyyy"));
}

QString FullDate(const QLocale& locale, QDate date) {
  QString format = locale.dateFormat(QLocale::LongFormat);
  // The one locale whose long format leaves the weekday out (ms_BN) gets it in front.
  if (!format.contains(QLatin1String("dddd"))) format.prepend(QLatin1String("dddd, "));
  return locale.toString(date, format);
}

QDate ParsePastedDate(const QString& text, const QString& format, const QLocale& locale) {
  const QString trimmed = text.trimmed();
  static const QRegularExpression iso{QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$")};
  if (const QRegularExpressionMatch ymd = iso.match(trimmed); ymd.hasMatch()) {
    return {ymd.captured(1).toInt(), ymd.captured(2).toInt(), ymd.captured(3).toInt()};
  }
  if (const QDate date = locale.toDate(trimmed, format); date.isValid()) return date;
  return QDate::fromString(trimmed, format);
}

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
  setDateRange(ToQDate(FromCivil(kPickerFirst)), ToQDate(FromCivil(kPickerLast)));
  setCalendarPopup(true);
  setDisplayFormat(LocalDateFormat());
  lineEdit()->installEventFilter(this);
  connect(this, &QDateEdit::dateChanged, this, &DatePicker::ShowFullDate);
  connect(this, &QDateEdit::dateChanged, this, &DatePicker::changed);
  ShowFullDate();
}

void DatePicker::ShowFullDate() {
  const QString full = FullDate(locale(), date());
  setToolTip(full);
  setAccessibleDescription(full);
}

Status DatePicker::SetValue(CalendarDate value) {
  if (!PickerAccepts(value)) return Error::RangeRejected;
  setDate(ToQDate(value));
  return std::monostate{};
}

void DatePicker::PasteDate(const QString& text) {
  const QDate pasted = ParsePastedDate(text, displayFormat(), locale());
  if (!pasted.isValid() || !SetValue(FromQDate(pasted))) return QApplication::beep();
  // Ready for typing, as after Tab: the new text left a bare caret behind.
  if (hasFocus()) setSelectedSection(currentSection());
}

// The drop-down calendar costs more to build than the rest of the window: build it when the user
// first reaches for it (a mouse press, or F4 or Alt+Down), not at start.
void DatePicker::PrepareCalendar() {
  if (calendarReady_) return;
  calendarReady_ = true;
  QCalendarWidget* calendar = calendarWidget();
  // Weeks begin on Sunday, as the week count does.
  calendar->setFirstDayOfWeek(Qt::Sunday);
  calendar->setGridVisible(true);
  connect(calendar, &QCalendarWidget::clicked, this, [this] { dayPicked_ = true; });
  connect(calendar, &QCalendarWidget::activated, this, [this] { dayPicked_ = true; });
  calendar->window()->installEventFilter(this);
  calendarClosed_ = new QTimer(this);
  calendarClosed_->setSingleShot(true);
  calendarClosed_->setInterval(0);
  connect(calendarClosed_, &QTimer::timeout, this, [this] {
    if (!dayPicked_) setDate(dateBeforeCalendar_);
  });
}

bool DatePicker::ShowsWidestDateWhole() const {
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  const QRect field =
      style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
  constexpr int kLineEditMargins = 2;  // QLineEdit's own: a pixel above the text and one below
  return sizeHint().width() <= width() &&
         fontMetrics().height() + kLineEditMargins <= field.height();
}

void DatePicker::OpenCalendar() {
  if (isReadOnly()) return;
  PrepareCalendar();
  // QDateEdit opens its calendar only from a press on its arrow: press it there.
  QStyleOptionComboBox arrowOption;
  arrowOption.initFrom(this);
  arrowOption.editable = true;
  arrowOption.frame = hasFrame();
  arrowOption.subControls = QStyle::SC_All;
  const QPoint arrow =
      style()
          ->subControlRect(QStyle::CC_ComboBox, &arrowOption, QStyle::SC_ComboBoxArrow, this)
          .center();
  QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QDateEdit::mousePressEvent(&press);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        return EditorMouseEvent(static_cast<QMouseEvent*>(event));
      default:
        return false;
    }
  }
  // The drop-down calendar. QDateEdit follows the keys that move through it day by day, and keeps
  // where they stopped even on Escape: closed without a day picked, it goes back to the date it
  // opened on. Decided once the close has run its course, since the pick is reported after it.
  if (event->type() == QEvent::Show) {
    dateBeforeCalendar_ = date();
    dayPicked_ = false;
  } else if (event->type() == QEvent::Hide) {
    calendarClosed_->start();
  }
  return false;
}

// The editor's own mouse handling places a caret between the digits, where typing goes nowhere: a
// left click selects the section under the pointer instead, and a middle click pastes a whole date.
bool DatePicker::EditorMouseEvent(QMouseEvent* event) {
  const bool left = event->button() == Qt::LeftButton;
  const bool middle = event->button() == Qt::MiddleButton;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (left) {
        if (!hasFocus()) setFocus(Qt::MouseFocusReason);
        SelectSectionAt(lineEdit()->cursorPositionAt(event->position().toPoint()));
      }
      return left || middle;
    case QEvent::MouseButtonRelease:
      if (middle && QApplication::clipboard()->supportsSelection())
        PasteDate(QApplication::clipboard()->text(QClipboard::Selection));
      return middle;
    default:  // a move: no dragging a selection across the sections
      return event->buttons().testFlag(Qt::LeftButton);
  }
}

// The sections are the runs of digits in the text, in order: the one nearest to the position.
void DatePicker::SelectSectionAt(int cursorPosition) {
  const QString text = lineEdit()->text();
  int nearest = 0, nearestDistance = INT_MAX, index = 0;
  for (int start = 0; start < text.size(); ++index) {
    while (start < text.size() && !text[start].isDigit())
      ++start;
    if (start == text.size()) break;
    int end = start;
    while (end < text.size() && text[end].isDigit())
      ++end;
    const int distance = cursorPosition < start ? start - cursorPosition
                         : cursorPosition > end ? cursorPosition - end
                                                : 0;
    if (distance < nearestDistance) {
      nearest = index;
      nearestDistance = distance;
    }
    start = end;
  }
  clickedSection_ = nearest;
  SelectSection(nearest);
}

void DatePicker::SelectSection(int index) {
  setCurrentSectionIndex(index);
  setSelectedSection(currentSection());
}

void DatePicker::mousePressEvent(QMouseEvent* event) {
  PrepareCalendar();
  QDateEdit::mousePressEvent(event);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
  if (IsCalendarKey(*event)) return OpenCalendar();
  if (event->matches(QKeySequence::Paste)) return PasteDate(QApplication::clipboard()->text());
  QDateEdit::keyPressEvent(event);
}

// A wheel turned while the pointer merely passes over a picker must not change a date the user
// never chose: without the focus, the wheel is left to the window.
void DatePicker::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) return event->ignore();
  QDateEdit::wheelEvent(event);
}

namespace {
// Words of Qt's own menus, in Qt's translations of them: named, not written out, so that they stay
// out of the program's translations.
constexpr const char* kPaste = "&Paste";
constexpr const char* kStepUp = "&Step up";
constexpr const char* kStepDown = "Step &down";
QString QtText(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}
}  // namespace

// The editor's menu with its Paste taking a whole date, and the stepping of the selected section.
void DatePicker::contextMenuEvent(QContextMenuEvent* event) {
  const QPointer<QMenu> menu = lineEdit()->createStandardContextMenu();  // a child of the editor
  for (QAction* action : menu->actions()) {
    // Found by the editor's own wording, in the user's language.
    if (!action->text().startsWith(QtText("QLineEdit", kPaste))) continue;
    action->disconnect(lineEdit());
    connect(action, &QAction::triggered, this,
            [this] { PasteDate(QApplication::clipboard()->text()); });
  }
  menu->addSeparator();
  QAction* up = menu->addAction(QtText("QAbstractSpinBox", kStepUp));
  up->setEnabled(stepEnabled().testFlag(StepUpEnabled));
  QAction* down = menu->addAction(QtText("QAbstractSpinBox", kStepDown));
  down->setEnabled(stepEnabled().testFlag(StepDownEnabled));
  const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                : mapToGlobal(rect().center());
  const QAction* chosen = menu->exec(at);
  if (!menu) return;  // the window was closed under the menu
  if (chosen == up) stepBy(1);
  if (chosen == down) stepBy(-1);
  delete menu;
}

// A click into an inactive window can arrive before the window's activation, whose focus would
// select the first section in place of the one clicked.
void DatePicker::focusInEvent(QFocusEvent* event) {
  QDateEdit::focusInEvent(event);
  if (event->reason() == Qt::ActiveWindowFocusReason && clickedSection_ >= 0)
    SelectSection(clickedSection_);
}

void DatePicker::focusOutEvent(QFocusEvent* event) {
  clickedSection_ = -1;
  QDateEdit::focusOutEvent(event);
  emit validating();
}

}  // namespace calvanir::ui
