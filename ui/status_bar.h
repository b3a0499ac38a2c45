// SPDX-License-Identifier: GPL-3.0-or-later
// A status bar of panels laid side by side at fixed widths, as wide as they are set up, whether or
// not the window shows them whole. A panel shows a fixed text, today's date, or a lock key's state.
#pragma once

#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <functional>
#include <vector>

namespace calvanir::ui {

class Announcer;
class LockKeys;

// Milliseconds from `now` until the date panel should look at the date again: at the first instant
// of the next local date in `now`'s time zone, or in a minute if that is later, so that a clock set
// by hand or a machine that slept through midnight is caught up with. Where the clock jumps over
// midnight, the next date begins at the jump (01:00, say), not at a midnight that never comes.
// Never less than a second.
qint64 MsecsToNextDateCheck(const QDateTime& now);

class StatusBar : public QFrame {
  Q_OBJECT

 public:
  enum class Style { Text, Date, CapsLock, NumLock };

  explicit StatusBar(QWidget* parent = nullptr);

  // The bar has one panel from the start; `SetUpPanel(0, ...)` gives it its width and style.
  void SetUpPanel(int index, int widthTwips, Style style, const QString& text = {},
                  Qt::Alignment alignment = Qt::AlignLeft);
  void AddPanel(int widthTwips, Style style, const QString& text = {},
                Qt::Alignment alignment = Qt::AlignLeft);

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  QLabel* Panel(int index) const { return panels_[static_cast<std::size_t>(index)].label; }
  Style PanelStyle(int index) const { return panels_[static_cast<std::size_t>(index)].style; }
  int PanelWidthTwips(int index) const {
    return panels_[static_cast<std::size_t>(index)].widthTwips;
  }

  // Whether the date panel shows any date of the pickers' range whole in the current font.
  bool DateFits() const;

  // Shows the states anew; run when the lock keys change and at midnight.
  void Refresh();

  // Has a screen reader speak `text` once, as news in the bar; nothing on the screen changes.
  void Announce(const QString& text);

  // Where the date panel reads the date and time; the system clock in local time unless replaced.
  using Clock = std::function<QDateTime()>;
  void SetClock(Clock clock);

 private:
  struct PanelState {
    QLabel* label;
    Style style;
    int widthTwips;
  };
  void Layout();
  void ScheduleDateCheck();

  std::vector<PanelState> panels_;
  LockKeys* lockKeys_;
  Announcer* announcer_;
  QTimer* dateTimer_;
  Clock clock_ = [] { return QDateTime::currentDateTime(); };
};

}  // namespace calvanir::ui
