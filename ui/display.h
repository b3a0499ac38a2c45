// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <optional>
#include <string>

namespace calvanir::ui {

// Why Qt could not open a window on the platforms it would try (QT_QPA_PLATFORM, or Wayland or X11
// as the session says), in one sentence: "Calvanir could not open a window: no X server at :59.".
// Empty when one of them can be reached, or when a platform other than X11 and Wayland is chosen
// (offscreen, for tests and screenshots), which Qt is left to judge.
std::optional<std::string> DisplayProblem();

// What main returns once its event loop has returned STATUS. Qt's Wayland client can hang for good
// while it tears its connection down (its event thread waits for a read that never comes): one
// exit in twenty with Qt 6.4, one in two with Qt 6.8. There, with the window closed and nothing
// left to save, the program ends with STATUS at once instead, before the teardown.
int AfterEventLoop(int status);

// Arial Narrow, 8.25 points, or the nearest narrow sans face installed.
QFont WindowFont();

}  // namespace calvanir::ui
