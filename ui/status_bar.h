// A status bar of panels laid side by side at fixed widths, as wide as they are set up, whether or
// not the window shows them whole. A panel shows a fixed text, today's date, or a lock key's state.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <vector>

namespace calvanir::ui {

class LockKeys;

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

  // Shows the states anew; run when the lock keys change and at midnight.
  void Refresh();

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
  QTimer* dateTimer_;
};

}  // namespace calvanir::ui
