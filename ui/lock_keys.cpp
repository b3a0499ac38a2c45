// SPDX-License-Identifier: GPL-3.0-or-later
#include "lock_keys.h"

#include <xcb/xcb.h>
// The XKB header names a member `explicit`, a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace calvanir::ui {
namespace {

constexpr xcb_keysym_t kNumLockKeysym = 0xff7f;  // XK_Num_Lock

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
Reply<T> Own(T* reply) {
  return Reply<T>{reply, &std::free};
}

}  // namespace

// Qt's own connection to the X server: XKB is already set up on it, and Qt has asked for every XKB
// state event, which the server sends whichever window has the focus.
struct LockKeys::X11 {
  xcb_connection_t* connection;
  std::uint8_t xkbFirstEvent;
};

LockKeys::LockKeys(QObject* parent) : QObject(parent) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return;
  const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(x11->connection(), &xcb_xkb_id);
  if (!xkb || !xkb->present) return;
  x11_ = std::make_unique<X11>(X11{x11->connection(), xkb->first_event});
  ReadModifierMapping();
  ReadLockedModifiers();
  qGuiApp->installNativeEventFilter(this);
}

LockKeys::~LockKeys() {
  if (x11_ && qGuiApp) qGuiApp->removeNativeEventFilter(this);
}

std::optional<bool> LockKeys::CapsLock() const {
  if (!locked_) return std::nullopt;
  return (*locked_ & XCB_MOD_MASK_LOCK) != 0;
}

std::optional<bool> LockKeys::NumLock() const {
  if (!locked_ || numLockMask_ == 0) return std::nullopt;
  return (*locked_ & numLockMask_) != 0;
}

// Num Lock is a virtual modifier: find the real one (usually Mod2) whose keys include Num_Lock.
void LockKeys::ReadModifierMapping() {
  numLockMask_ = 0;
  xcb_connection_t* c = x11_->connection;
  const xcb_setup_t* setup = xcb_get_setup(c);
  const auto keymap = Own(xcb_get_keyboard_mapping_reply(
      c,
      xcb_get_keyboard_mapping(
          c, setup->min_keycode,
          static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1)),
      nullptr));
  const auto modmap = Own(xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr));
  if (!keymap || !modmap) return;

  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keymap.get());
  const int keysymCount = xcb_get_keyboard_mapping_keysyms_length(keymap.get());
  const int perKeycode = keymap->keysyms_per_keycode;
  const auto isNumLockKey = [&](xcb_keycode_t keycode) {
    if (keycode < setup->min_keycode || perKeycode == 0) return false;
    const int first = (keycode - setup->min_keycode) * perKeycode;
    for (int i = first; i < first + perKeycode && i < keysymCount; ++i) {
      if (keysyms[i] == kNumLockKeysym) return true;
    }
    return false;
  };

  const xcb_keycode_t* modifierKeys = xcb_get_modifier_mapping_keycodes(modmap.get());
  const int perModifier = modmap->keycodes_per_modifier;
  for (int modifier = 0; modifier < 8; ++modifier) {
    for (int k = 0; k < perModifier; ++k) {
      if (isNumLockKey(modifierKeys[modifier * perModifier + k])) {
        numLockMask_ = static_cast<std::uint8_t>(1u << modifier);
        return;
      }
    }
  }
}

void LockKeys::ReadLockedModifiers() {
  xcb_connection_t* c = x11_->connection;
  const auto state =
      Own(xcb_xkb_get_state_reply(c, xcb_xkb_get_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr));
  if (state) SetLocked(state->lockedMods);
}

void LockKeys::SetLocked(std::uint8_t lockedModifiers) {
  if (locked_ == lockedModifiers) return;
  locked_ = lockedModifiers;
  emit changed();
}

bool LockKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != x11_->xkbFirstEvent) return false;
  // Every XKB event starts alike: response type, then the XKB event type.
  const auto* xkb = static_cast<const xcb_xkb_state_notify_event_t*>(message);
  if (xkb->xkbType == XCB_XKB_STATE_NOTIFY) {
    SetLocked(xkb->lockedMods);
  } else if (xkb->xkbType == XCB_XKB_MAP_NOTIFY || xkb->xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY) {
    ReadModifierMapping();
    emit changed();
  }
  return false;  // Qt needs these events too
}

}  // namespace calvanir::ui
