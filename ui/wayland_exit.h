// SPDX-License-Identifier: GPL-3.0-or-later
// The program's end on Wayland. Qt's Wayland client can hang for good while it tears its connection
// down (its event thread waits for a read that never comes): one exit in twenty with Qt 6.4, one in
// two with Qt 6.8.
#pragma once

namespace calvanir::ui {

// What main returns once its event loop has returned STATUS. On Wayland, with the window closed
// and nothing left to save, the program ends with STATUS at once instead, before the teardown.
int AfterEventLoop(int status);

}  // namespace calvanir::ui
