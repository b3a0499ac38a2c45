// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's key events as the virtual-key codes the guards take.
#pragma once

#include "key_codes.h"

class QKeyEvent;

namespace calvanir::ui {

// The Windows virtual-key code of the key: main-row digits 48-57 (shifted or not), keypad digits
// 96-105, Backspace 8, Delete 46, Shift 16, Control 17, Alt 18, and so on. A key without such a
// code is vk::Unknown, which every guard refuses.
KeyCode VirtualKeyOf(const QKeyEvent& event);

// Tab and Shift+Tab move the focus and never reach a guard.
bool IsFocusKey(const QKeyEvent& event);

}  // namespace calvanir::ui
