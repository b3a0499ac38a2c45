// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's keys as virtual-key codes.
#include "virtual_keys.h"

#include <QKeyEvent>
#include <utility>

namespace calvanir::ui {
namespace {

// Keys whose code does not depend on the keypad.
constexpr std::pair<int, KeyCode> kKeys[] = {
    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Tab, vk::Tab},
    {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Clear, vk::Clear},
    {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},
    {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control},
    {Qt::Key_Alt, vk::Menu},
    {Qt::Key_AltGr, vk::Menu},
    {Qt::Key_Pause, vk::Pause},
    {Qt::Key_CapsLock, vk::Capital},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_PageUp, vk::Prior},
    {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Print, vk::Snapshot},
    {Qt::Key_Insert, vk::Insert},
    {Qt::Key_Delete, vk::Delete},
    {Qt::Key_Help, vk::Help},
    {Qt::Key_Meta, vk::LeftWindows},
    {Qt::Key_Super_L, vk::LeftWindows},
    {Qt::Key_Super_R, vk::RightWindows},
    {Qt::Key_Menu, vk::Apps},
    {Qt::Key_NumLock, vk::NumLock},
    {Qt::Key_ScrollLock, vk::ScrollLock},
};

// The main keyboard's punctuation, shifted or not, by the key it sits on in the US layout.
constexpr std::pair<int, KeyCode> kMainRow[] = {
    {Qt::Key_ParenRight, vk::Digit0 + 0},
    {Qt::Key_Exclam, vk::Digit0 + 1},
    {Qt::Key_At, vk::Digit0 + 2},
    {Qt::Key_NumberSign, vk::Digit0 + 3},
    {Qt::Key_Dollar, vk::Digit0 + 4},
    {Qt::Key_Percent, vk::Digit0 + 5},
    {Qt::Key_AsciiCircum, vk::Digit0 + 6},
    {Qt::Key_Ampersand, vk::Digit0 + 7},
    {Qt::Key_Asterisk, vk::Digit0 + 8},
    {Qt::Key_ParenLeft, vk::Digit0 + 9},
    {Qt::Key_Semicolon, vk::OemSemicolon},
    {Qt::Key_Colon, vk::OemSemicolon},
    {Qt::Key_Equal, vk::OemPlus},
    {Qt::Key_Plus, vk::OemPlus},
    {Qt::Key_Comma, vk::OemComma},
    {Qt::Key_Less, vk::OemComma},
    {Qt::Key_Minus, vk::OemMinus},
    {Qt::Key_Underscore, vk::OemMinus},
    {Qt::Key_Period, vk::OemPeriod},
    {Qt::Key_Greater, vk::OemPeriod},
    {Qt::Key_Slash, vk::OemSlash},
    {Qt::Key_Question, vk::OemSlash},
    {Qt::Key_QuoteLeft, vk::OemBacktick},
    {Qt::Key_AsciiTilde, vk::OemBacktick},
    {Qt::Key_BracketLeft, vk::OemOpenBracket},
    {Qt::Key_BraceLeft, vk::OemOpenBracket},
    {Qt::Key_Backslash, vk::OemBackslash},
    {Qt::Key_Bar, vk::OemBackslash},
    {Qt::Key_BracketRight, vk::OemCloseBracket},
    {Qt::Key_BraceRight, vk::OemCloseBracket},
    {Qt::Key_Apostrophe, vk::OemQuote},
    {Qt::Key_QuoteDbl, vk::OemQuote},
};

// The keypad's own keys when Num Lock gives them their arithmetic meaning.
constexpr std::pair<int, KeyCode> kKeypad[] = {
    {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add},      {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Period, vk::Decimal},    {Qt::Key_Comma, vk::Decimal}, {Qt::Key_Slash, vk::Divide},
};

template <std::size_t N>
KeyCode Find(const std::pair<int, KeyCode> (&table)[N], int key) {
  for (const auto& [qtKey, code] : table) {
    if (qtKey == key) return code;
  }
  return vk::Unknown;
}

}  // namespace

KeyCode VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    return static_cast<KeyCode>((keypad ? vk::Numpad0 : vk::Digit0) + (key - Qt::Key_0));
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<KeyCode>(vk::LetterA + (key - Qt::Key_A));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
    return static_cast<KeyCode>(vk::F1 + (key - Qt::Key_F1));
  if (keypad) {
    if (const KeyCode code = Find(kKeypad, key); code != vk::Unknown) return code;
  }
  if (const KeyCode code = Find(kKeys, key); code != vk::Unknown) return code;
  return Find(kMainRow, key);
}

bool IsFocusKey(const QKeyEvent& event) {
  const auto others = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) && others == Qt::NoModifier;
}

}  // namespace calvanir::ui
