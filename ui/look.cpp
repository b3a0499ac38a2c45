// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "form1.h"

namespace calvanir::ui {
namespace {

// False where the program is drawn with the compact style already, or it is missing.
bool UseCompactStyle() {
  const QString compact = QStringLiteral("Fusion");
  if (QApplication::style()->name().compare(compact, Qt::CaseInsensitive) == 0) return false;
  QStyle* style = QStyleFactory::create(compact);
  if (!style) return false;
  // Every colour set explicitly, or Qt would fill them in from the new style's own palette.
  QPalette palette = QApplication::palette();
  palette.setResolveMask(~QPalette::ResolveMask{0});
  QApplication::setStyle(style);
  QApplication::setPalette(palette);
  return true;
}

}  // namespace

void SharpenWindowIcon(QWidget& window) {
  QTimer::singleShot(0, &window, [&window] {
    QIcon icon = window.windowIcon();
    for (const int size : {16, 24, 48, 64, 128, 256})
      icon.addFile(QStringLiteral(":/icons/calvanir-%1.png").arg(size), QSize(size, size));
    window.setWindowIcon(icon);
  });
}

std::unique_ptr<Form1> NewWindow() {
  auto window = std::make_unique<Form1>();
  if (!window->ShowsEveryTextWhole() && UseCompactStyle()) {
    window.reset();
    window = std::make_unique<Form1>();
  }
  return window;
}

}  // namespace calvanir::ui
