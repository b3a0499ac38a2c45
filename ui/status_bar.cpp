// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar: its panels, the date kept current and the lock keys shown.
#include "status_bar.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>
#include <optional>

#include "accessibility.h"
#include "controls.h"
#include "date_picker.h"
#include "lock_keys.h"
#include "twips.h"

namespace calvanir::ui {
namespace {

QLabel* NewPanel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setIndent(2);
  label->show();
  return label;
}

// A lock key's panel texts, translated in the context "StatusBar".
struct LockTexts {
  struct {
    const char* source;
    const char* comment;
  } shown;
  const char* spokenOn;
  const char* spokenOff;
};
constexpr LockTexts kCapsLock = {
    QT_TRANSLATE_NOOP3("StatusBar", "CAPS", "the Caps Lock key, short"),
    QT_TRANSLATE_NOOP("StatusBar", "Caps Lock on"),
    QT_TRANSLATE_NOOP("StatusBar", "Caps Lock off")};
constexpr LockTexts kNumLock = {QT_TRANSLATE_NOOP3("StatusBar", "NUM", "the Num Lock key, short"),
                                QT_TRANSLATE_NOOP("StatusBar", "Num Lock on"),
                                QT_TRANSLATE_NOOP("StatusBar", "Num Lock off")};

// A lock key's panel names the key, dimmed while it is off, and says to a screen reader whether it
// is on or off; it stays empty and silent while the state is unknown.
void ShowLockState(QLabel* label, const LockTexts& texts, std::optional<bool> on) {
  const auto translated = [](const char* text, const char* comment = nullptr) {
    return QCoreApplication::translate("StatusBar", text, comment);
  };
  label->setText(on ? translated(texts.shown.source, texts.shown.comment) : QString{});
  label->setEnabled(on.value_or(false));
  const QString name = on ? translated(*on ? texts.spokenOn : texts.spokenOff) : QString{};
  // Qt announces every name set, so that a screen reader hears the key go on or off: set only a
  // new one.
  if (label->accessibleName() != name) label->setAccessibleName(name);
}

}  // namespace

qint64 MsecsToNextDateCheck(const QDateTime& now) {
  constexpr qint64 kSecond = 1'000, kMinute = 60'000;
  const QDate today = now.date();
  if (now.addMSecs(kMinute).date() == today) return kMinute;
  // The date changes within the minute: find the first millisecond of the new one.
  qint64 before = 0, after = kMinute;
  while (after - before > 1) {
    const qint64 middle = before + (after - before) / 2;
    if (now.addMSecs(middle).date() == today) {
      before = middle;
    } else {
      after = middle;
    }
  }
  return std::max(after, kSecond);
}

StatusBar::StatusBar(QWidget* parent)
    : QFrame(parent),
      lockKeys_(new LockKeys(this)),
      announcer_(new Announcer(this)),
      dateTimer_(new QTimer(this)) {
  GiveAccessibleRole(this, QAccessible::StatusBar);
  panels_.push_back({NewPanel(this), Style::Text, 0});
  connect(lockKeys_, &LockKeys::changed, this, &StatusBar::Refresh);
  dateTimer_->setObjectName(QStringLiteral("dateCheck"));
  dateTimer_->setSingleShot(true);
  connect(dateTimer_, &QTimer::timeout, this, [this] {
    Refresh();
    ScheduleDateCheck();
  });
}

void StatusBar::SetUpPanel(int index, int widthTwips, Style style, const QString& text,
                           Qt::Alignment alignment) {
  PanelState& panel = panels_[static_cast<std::size_t>(index)];
  panel.widthTwips = widthTwips;
  panel.style = style;
  panel.label->setText(text);
  panel.label->setAlignment(alignment | Qt::AlignVCenter);
  Layout();
  Refresh();
  if (style == Style::Date) ScheduleDateCheck();
}

void StatusBar::AddPanel(int widthTwips, Style style, const QString& text,
                         Qt::Alignment alignment) {
  panels_.push_back({NewPanel(this), Style::Text, 0});
  SetUpPanel(PanelCount() - 1, widthTwips, style, text, alignment);
}

void StatusBar::Layout() {
  int left = 0;
  for (const PanelState& panel : panels_) {
    panel.label->setGeometry(TwipsRect(left, 0, panel.widthTwips, TwipsFromPixels(height())));
    left += panel.widthTwips;
  }
}

void StatusBar::Refresh() {
  for (const PanelState& panel : panels_) {
    switch (panel.style) {
      case Style::Text:
        break;
      case Style::Date: {
        // In the locale's digits, as the pickers write them, and in full for the tooltip and a
        // screen reader.
        const QDate today = clock_().date();
        panel.label->setText(locale().toString(today, LocalDateFormat()));
        if (const QString full = FullDate(locale(), today); full != panel.label->toolTip()) {
          panel.label->setToolTip(full);
          panel.label->setAccessibleDescription(full);
        }
        break;
      }
      case Style::CapsLock:
        ShowLockState(panel.label, kCapsLock, lockKeys_->CapsLock());
        break;
      case Style::NumLock:
        ShowLockState(panel.label, kNumLock, lockKeys_->NumLock());
        break;
    }
  }
}

bool StatusBar::DateFits() const {
  // Measured on the widest date the pickers hold, so that the answer does not change with today.
  const QString widest = locale().toString(ToQDate(FromCivil(kPickerLast)), LocalDateFormat());
  return std::all_of(panels_.begin(), panels_.end(), [&widest](const PanelState& panel) {
    const QLabel& label = *panel.label;
    return panel.style != Style::Date ||
           label.indent() + label.fontMetrics().horizontalAdvance(widest) <=
               label.contentsRect().width();
  });
}

void StatusBar::Announce(const QString& text) {
  announcer_->Announce(text);
}

void StatusBar::SetClock(Clock clock) {
  clock_ = std::move(clock);
  Refresh();
  if (dateTimer_->isActive()) ScheduleDateCheck();
}

void StatusBar::ScheduleDateCheck() {
  dateTimer_->start(static_cast<int>(MsecsToNextDateCheck(clock_())));
}

}  // namespace calvanir::ui
