// For the start-up benchmark: once the window's first frame has been painted, write one byte to
// standard output and quit.
#pragma once

#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace calvanir::bench {

inline void ReportFirstFrame(QWidget& window) {
  class Watcher : public QObject {
   public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // Queued, so that the whole frame (children included) is painted and flushed first.
        QTimer::singleShot(0, [] {
          (void)!::write(STDOUT_FILENO, "F", 1);
          QCoreApplication::quit();
        });
      }
      return false;
    }

   private:
    bool painted_ = false;
  };
  window.installEventFilter(new Watcher(&window));
}

}  // namespace calvanir::bench
