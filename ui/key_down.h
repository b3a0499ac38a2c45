// SPDX-License-Identifier: GPL-3.0-or-later
// A text box's key-down event: every key pressed in it, as its virtual-key code, to a handler that
// says whether the key may reach the box.
#pragma once

#include <functional>

#include "key_codes.h"

class QLineEdit;

namespace calvanir::ui {

// Runs `handler` with the virtual-key code of every key pressed in `box`; the key reaches the box
// only when the handler says so. Tab and Shift+Tab are left to move the focus.
void OnKeyDown(QLineEdit* box, std::function<bool(KeyCode)> handler);

}  // namespace calvanir::ui
