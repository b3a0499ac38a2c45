// SPDX-License-Identifier: GPL-3.0-or-later
// A maximized or full-screen state undone as soon as the window is told of it.
#include "fixed_size.h"

#include <QEvent>
#include <QWidget>

namespace calvanir::ui {
namespace {

class NormalSize : public QObject {
 public:
  explicit NormalSize(QWidget* window) : QObject(window), window_(window) {}

  bool eventFilter(QObject*, QEvent* event) override {
    constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (event->type() == QEvent::WindowStateChange && (window_->windowState() & kGrown))
      window_->setWindowState(window_->windowState() & ~kGrown);
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void KeepNormalSize(QWidget& window) {
  window.installEventFilter(new NormalSize(&window));
}

}  // namespace calvanir::ui
