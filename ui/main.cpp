// SPDX-License-Identifier: GPL-3.0-or-later
// The program: its command line read, the display checked, Qt started in the user's language, the
// window shown.
#include <QApplication>
#include <QLoggingCategory>
#include <cstdio>

#include "command_line.h"
#include "display.h"
#include "form1.h"
#include "look.h"
#include "product.h"
#include "translations.h"
#include "wayland_exit.h"

int main(int argc, char** argv) {
  // Answered where no display is, over SSH and in scripts alike.
  calvanir::ui::CommandLine line = calvanir::ui::ReadCommandLine(argc, argv);
  if (line.answer) {
    std::fputs(line.answer->c_str(), line.status == 0 ? stdout : stderr);
    return line.status;
  }
  // Qt aborts where it finds no display; say instead, in one sentence, what was tried.
  if (const std::optional<std::string> problem = calvanir::ui::DisplayProblem()) {
    std::fprintf(stderr, "%s\n", problem->c_str());
    return 1;
  }
  // Where no portal answers, Qt's GNOME and GTK themes warn of it at every start, though a desktop
  // without one simply has no colour scheme to give.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.theme.gnome.warning=false"));
  // Qt is given its own options alone; it keeps pointers into the list for as long as it runs.
  int qtArgc = static_cast<int>(line.qtArguments.size()) - 1;
  QApplication app(qtArgc, line.qtArguments.data());
  QApplication::setApplicationName(QString::fromLatin1(calvanir::ui::kProductName));
  QApplication::setApplicationVersion(QString::fromLatin1(calvanir::ui::kProductVersion));
  QApplication::setDesktopFileName(QString::fromLatin1(calvanir::ui::kApplicationId));
  calvanir::ui::UseLanguagesOf(QLocale());

  const std::unique_ptr<calvanir::ui::Form1> form = calvanir::ui::NewWindow();
  form->show();
  return calvanir::ui::AfterEventLoop(app.exec());
}
