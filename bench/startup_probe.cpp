// SPDX-License-Identifier: GPL-3.0-or-later
// Linked beside a program's own main to time its start: once a window has painted its first
// frame, write one byte to standard output and quit.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstFrame : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType() ||
        !static_cast<QWidget*>(watched)->isWindow()) {
      return false;
    }
    painted_ = true;
    // Queued, so that the whole frame (children included) is painted and flushed first.
    QTimer::singleShot(0, [] {
      (void)!::write(STDOUT_FILENO, "F", 1);
      QCoreApplication::quit();
    });
    return false;
  }

 private:
  bool painted_ = false;
};

void WatchForTheFirstFrame() {
  QCoreApplication::instance()->installEventFilter(new FirstFrame(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForTheFirstFrame)
