#include <QApplication>
#include <cstdio>

#include "display.h"
#include "form1.h"

#ifdef CALVANIR_STARTUP_PROBE
#include "first_frame.h"
#endif

int main(int, char** argv) {
  if (!calvanir::ui::HasDisplay()) {
    std::fputs(
        "Calvanir needs a graphical desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are "
        "unset).\n",
        stderr);
    return 1;
  }
  // The program takes no command line: Qt is given only the program's name.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QApplication::setApplicationName(QStringLiteral("Calvanir"));
  QApplication::setApplicationVersion(QStringLiteral("2.0"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.calvanir.Calvanir"));
  if (!calvanir::ui::WindowFontIsNarrow()) {
    std::fputs(
        "calvanir: neither Arial Narrow nor Liberation Sans Narrow is installed "
        "(Debian package fonts-liberation); the window's texts may not fit.\n",
        stderr);
  }

  calvanir::ui::Form1 form;
  form.show();
#ifdef CALVANIR_STARTUP_PROBE
  calvanir::bench::ReportFirstFrame(form);
#endif
  return app.exec();
}
