// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon: the 32 pixels built in at once, every other size from 16 to 256 pixels (for
// title bars, task switchers and docks at any scale) once the window has painted its first frame,
// since decoding them first would delay it.
#pragma once

class QWidget;

namespace calvanir::ui {

void GiveWindowIcon(QWidget& window);

}  // namespace calvanir::ui
