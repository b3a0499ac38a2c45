// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the program can open its window at all, asked before Qt is started: Qt aborts where it
// finds no display.
#pragma once

#include <optional>
#include <string>

namespace calvanir::ui {

// Why Qt could not open a window on the platforms it would try (QT_QPA_PLATFORM, or Wayland or X11
// as the session says), in one sentence: "Calvanir could not open a window: no X server at :59.".
// Empty when one of them can be reached, or when a platform other than X11 and Wayland is chosen
// (offscreen, for tests and screenshots), which Qt is left to judge.
std::optional<std::string> DisplayProblem();

}  // namespace calvanir::ui
