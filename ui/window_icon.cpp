// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, built in and then sharpened from the resources.
#include "window_icon.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>

#include "icon_pixels.h"

namespace calvanir::ui {
namespace {

// Waits for the window's first paint, then for that frame to be done, and adds the larger sizes.
class AfterFirstPaint : public QObject {
 public:
  explicit AfterFirstPaint(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    window_.removeEventFilter(this);
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));  // after the frame
    return false;
  }

 protected:
  void customEvent(QEvent*) override {
    QIcon icon = window_.windowIcon();
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
      // Read as PNG, not guessed at: guessing asks every image plugin Qt has.
      QImageReader png(file.filePath(), "png");
      png.setAutoDetectImageFormat(false);
      icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    window_.setWindowIcon(icon);
    deleteLater();
  }

 private:
  QWidget& window_;
};

}  // namespace

void GiveWindowIcon(QWidget& window) {
  window.setWindowIcon(QPixmap::fromImage(
      QImage(reinterpret_cast<const uchar*>(kIconPixels), 32, 32, QImage::Format_ARGB32)));
  new AfterFirstPaint(window);
}

}  // namespace calvanir::ui
