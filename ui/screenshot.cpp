// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the window in its start-up state to a PNG: `calvanir_screenshot OUT.png [--dark]`, the
// second in the palette for a desktop that asks for dark.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstring>

#include "color_scheme.h"
#include "form1.h"
#include "look.h"
#include "translations.h"

int main(int argc, char** argv) {
  const bool dark = argc == 3 && std::strcmp(argv[2], "--dark") == 0;
  if (argc != 2 && !dark) {
    std::fputs("usage: calvanir_screenshot OUT.png [--dark]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  calvanir::ui::UseLanguagesOf(QLocale());
  if (dark) QApplication::setPalette(calvanir::ui::DarkPalette());
  const std::unique_ptr<calvanir::ui::Form1> form = calvanir::ui::NewWindow();
  form->show();
  QApplication::processEvents();
  if (!form->grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "calvanir_screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
