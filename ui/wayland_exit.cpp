// SPDX-License-Identifier: GPL-3.0-or-later
// The program's end where Qt's Wayland client could hang in its teardown.
#include "wayland_exit.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace calvanir::ui {

int AfterEventLoop(int status) {
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace calvanir::ui
