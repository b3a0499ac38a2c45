// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, built in and then sharpened from the resources.
#include "window_icon.h"

#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "icon_pixels.h"

namespace calvanir::ui {
namespace {

// Waits for the window's first paint, then for that frame to be done, and adds the larger sizes.
class AfterFirstPaint : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    watched->removeEventFilter(this);
    QTimer::singleShot(0, watched, [window = static_cast<QWidget*>(watched)] {
      QIcon icon = window->windowIcon();
      for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        // Read as PNG, not guessed at: guessing asks every image plugin Qt has.
        QImageReader png(file.filePath(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
      }
      window->setWindowIcon(icon);
    });
    deleteLater();
    return false;
  }
};

}  // namespace

void GiveWindowIcon(QWidget& window) {
  window.setWindowIcon(QPixmap::fromImage(
      QImage(reinterpret_cast<const uchar*>(kIconPixels), 32, 32, QImage::Format_ARGB32)));
  window.installEventFilter(new AfterFirstPaint(&window));
}

}  // namespace calvanir::ui
