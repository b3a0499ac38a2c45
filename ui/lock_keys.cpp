// SPDX-License-Identifier: GPL-3.0-or-later
// The lock keys read from the X server's XKB state or from a Wayland keyboard of our own.
#include "lock_keys.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "qt_version.h"
#include "xcb_xkb.h"

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

// Qt's own connection to the compositor, on which the window has the keyboard: a seat and a
// keyboard of ours on it hear the keymap and the modifiers as Qt's do, among them the locked ones.
struct LockKeys::Wayland {
  explicit Wayland(LockKeys* keys) : owner(keys) {}
  Wayland(const Wayland&) = delete;
  Wayland& operator=(const Wayland&) = delete;

  LockKeys* owner;
  wl_registry* registry = nullptr;
  wl_seat* seat = nullptr;
  wl_keyboard* keyboard = nullptr;
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_keymap* keymap = nullptr;
  xkb_state* state = nullptr;

  ~Wayland() {
    ForgetKeymap();
    if (keyboard) wl_keyboard_destroy(keyboard);
    if (seat) wl_seat_destroy(seat);
    if (registry) wl_registry_destroy(registry);
    xkb_context_unref(context);
  }
  void ForgetKeymap() {
    xkb_state_unref(std::exchange(state, nullptr));
    xkb_keymap_unref(std::exchange(keymap, nullptr));
  }

  static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version) {
    auto* self = static_cast<Wayland*>(data);
    if (self->seat || qstrcmp(interface, wl_seat_interface.name) != 0) return;
    self->seat = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5u)));
    wl_seat_add_listener(self->seat, &kSeatListener, self);
  }
  static void GlobalRemove(void*, wl_registry*, uint32_t) {}
  static constexpr wl_registry_listener kRegistryListener = {&Global, &GlobalRemove};

  // A seat without a keyboard has no state to read: the panels go blank.
  static void Capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* self = static_cast<Wayland*>(data);
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && !self->keyboard) {
      self->keyboard = wl_seat_get_keyboard(seat);
      wl_keyboard_add_listener(self->keyboard, &kKeyboardListener, self);
    } else if (!hasKeyboard && self->keyboard) {
      wl_keyboard_destroy(std::exchange(self->keyboard, nullptr));
      self->ForgetKeymap();
      self->owner->SetStates(std::nullopt, std::nullopt);
    }
  }
  static void Name(void*, wl_seat*, const char*) {}
  static constexpr wl_seat_listener kSeatListener = {&Capabilities, &Name};

  static void Keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
    auto* self = static_cast<Wayland*>(data);
    self->ForgetKeymap();
    void* text = format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1
                     ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)
                     : MAP_FAILED;
    ::close(fd);
    if (text == MAP_FAILED) return;
    self->keymap =
        xkb_keymap_new_from_buffer(self->context, static_cast<const char*>(text),
                                   strnlen(static_cast<const char*>(text), size),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (self->keymap) self->state = xkb_state_new(self->keymap);
  }
  // The locked modifiers light the keymap's Caps Lock and Num Lock indicators, whichever modifiers
  // the keymap binds them to. The compositor sends them after every enter.
  static void Modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                        uint32_t locked, uint32_t group) {
    auto* self = static_cast<Wayland*>(data);
    if (!self->state) return;
    xkb_state_update_mask(self->state, depressed, latched, locked, 0, 0, group);
    const auto lit = [self](const char* led) -> std::optional<bool> {
      const int active = xkb_state_led_name_is_active(self->state, led);
      if (active < 0) return std::nullopt;  // the keymap has no such indicator
      return active > 0;
    };
    self->owner->SetStates(lit(XKB_LED_NAME_CAPS), lit(XKB_LED_NAME_NUM));
  }
  static void Enter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
  static void Leave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
  static void Key(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {}
  static void RepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}
  static constexpr wl_keyboard_listener kKeyboardListener = {&Keymap, &Enter,     &Leave,
                                                             &Key,    &Modifiers, &RepeatInfo};
};

LockKeys::LockKeys(QObject* parent) : QObject(parent) {
  if (wl_display* display = QtWaylandDisplay()) {
    wayland_ = std::make_unique<Wayland>(this);
    wayland_->registry = wl_display_get_registry(display);
    wl_registry_add_listener(wayland_->registry, &Wayland::kRegistryListener, wayland_.get());
    return;
  }
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
  SetStates((lockedModifiers & XCB_MOD_MASK_LOCK) != 0,
            numLockMask_ == 0 ? std::nullopt
                              : std::optional<bool>((lockedModifiers & numLockMask_) != 0));
}

void LockKeys::SetStates(std::optional<bool> capsLock, std::optional<bool> numLock) {
  if (capsLock_ == capsLock && numLock_ == numLock) return;
  capsLock_ = capsLock;
  numLock_ = numLock;
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
    ReadLockedModifiers();
  }
  return false;  // Qt needs these events too
}

}  // namespace calvanir::ui
