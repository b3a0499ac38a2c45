// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows keep the one size their layout is made for: a title bar that offers to
// maximize one anyway (Qt 6.4's own on Wayland offers it on every window), a compositor's key or
// a double click finds it back in its normal state at once.
#pragma once

class QWidget;

namespace calvanir::ui {

void KeepNormalSize(QWidget& window);

}  // namespace calvanir::ui
