// SPDX-License-Identifier: GPL-3.0-or-later
// The key codes the guards take are the Windows virtual-key codes: 48-57 for the digits of the main
// row, 96-105 for the keypad's, 8 for Backspace, 46 for Delete, 93 for the context-menu key, and so
// on. The window maps its own key events to them.
#pragma once

#include <cstdint>

namespace calvanir {

using KeyCode = std::uint16_t;

namespace vk {
inline constexpr KeyCode Back = 8;
inline constexpr KeyCode Tab = 9;
inline constexpr KeyCode Clear = 12;
inline constexpr KeyCode Return = 13;
inline constexpr KeyCode Shift = 16;
inline constexpr KeyCode Control = 17;
inline constexpr KeyCode Menu = 18;  // Alt
inline constexpr KeyCode Pause = 19;
inline constexpr KeyCode Capital = 20;  // Caps Lock
inline constexpr KeyCode Escape = 27;
inline constexpr KeyCode Space = 32;
inline constexpr KeyCode Prior = 33;  // Page Up
inline constexpr KeyCode Next = 34;   // Page Down
inline constexpr KeyCode End = 35;
inline constexpr KeyCode Home = 36;
inline constexpr KeyCode Left = 37;
inline constexpr KeyCode Up = 38;
inline constexpr KeyCode Right = 39;
inline constexpr KeyCode Down = 40;
inline constexpr KeyCode Snapshot = 44;  // Print Screen
inline constexpr KeyCode Insert = 45;
inline constexpr KeyCode Delete = 46;
inline constexpr KeyCode Help = 47;
inline constexpr KeyCode Digit0 = 48;  // through Digit0 + 9; the letters are 65 ('A') to 90 ('Z')
inline constexpr KeyCode LetterA = 65;
inline constexpr KeyCode LeftWindows = 91;
inline constexpr KeyCode RightWindows = 92;
inline constexpr KeyCode Apps = 93;     // the context menu key
inline constexpr KeyCode Numpad0 = 96;  // through Numpad0 + 9
inline constexpr KeyCode Multiply = 106;
inline constexpr KeyCode Add = 107;
inline constexpr KeyCode Subtract = 109;
inline constexpr KeyCode Decimal = 110;
inline constexpr KeyCode Divide = 111;
inline constexpr KeyCode F1 = 112;  // through F24 = 135
inline constexpr KeyCode NumLock = 144;
inline constexpr KeyCode ScrollLock = 145;
inline constexpr KeyCode OemSemicolon = 186;
inline constexpr KeyCode OemPlus = 187;
inline constexpr KeyCode OemComma = 188;
inline constexpr KeyCode OemMinus = 189;
inline constexpr KeyCode OemPeriod = 190;
inline constexpr KeyCode OemSlash = 191;
inline constexpr KeyCode OemBacktick = 192;
inline constexpr KeyCode OemOpenBracket = 219;
inline constexpr KeyCode OemBackslash = 220;
inline constexpr KeyCode OemCloseBracket = 221;
inline constexpr KeyCode OemQuote = 222;
inline constexpr KeyCode Oem102 = 226;  // the extra key beside the left Shift on ISO keyboards
inline constexpr KeyCode Unknown = 0;
}  // namespace vk

// The keys that type or delete digits: the digits of the main row and of the keypad, Backspace and
// Delete. Every other key is refused, so that only whole non-negative numbers can be typed.
constexpr bool IsIntervalKey(KeyCode code) {
  return (code >= vk::Digit0 && code <= vk::Digit0 + 9) ||
         (code >= vk::Numpad0 && code <= vk::Numpad0 + 9) || code == vk::Back || code == vk::Delete;
}

}  // namespace calvanir
