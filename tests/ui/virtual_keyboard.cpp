// SPDX-License-Identifier: GPL-3.0-or-later
// A keyboard for a Wayland compositor (zwp_virtual_keyboard_v1) while standard input is open. Each
// line names the modifiers to lock ("Lock Mod2": Caps Lock and Num Lock); "ok" once they are sent.
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstring>
#include <iostream>
#include <sstream>

namespace {

// The protocol's two interfaces, as wayland-scanner would write them: requests only.
extern const wl_interface kVirtualKeyboard;
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kVirtualKeyboard};
const wl_message kManagerRequests[] = {{"create_virtual_keyboard", "on", kCreateTypes}};
const wl_interface kManager = {
    "zwp_virtual_keyboard_manager_v1", 1, 1, kManagerRequests, 0, nullptr};
const wl_interface* kNoTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_message kKeyboardRequests[] = {{"keymap", "uhu", kNoTypes},
                                        {"key", "uuu", kNoTypes},
                                        {"modifiers", "uuuuu", kNoTypes},
                                        {"destroy", "", kNoTypes}};
const wl_interface kVirtualKeyboard = {"zwp_virtual_keyboard_v1", 1, 4,
                                       kKeyboardRequests,         0, nullptr};
enum : uint32_t { kCreate = 0, kKeymap = 0, kModifiers = 2 };

wl_seat* seat = nullptr;
wl_proxy* manager = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat)
    seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  if (std::strcmp(interface, kManager.name) == 0)
    manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManager, 1));
}
const wl_registry_listener kRegistryListener = {&Global, [](void*, wl_registry*, uint32_t) {}};

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return 1;
  wl_registry_add_listener(wl_display_get_registry(display), &kRegistryListener, nullptr);
  wl_display_roundtrip(display);
  if (!seat || !manager) return 2;  // the compositor has no virtual keyboards
  auto* keyboard = wl_proxy_marshal_flags(manager, kCreate, &kVirtualKeyboard, 1, 0, seat, nullptr);

  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_keymap* keymap = xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
  char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
  const std::size_t size = std::strlen(text) + 1;
  const int fd = memfd_create("keymap", MFD_CLOEXEC);
  if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size)) return 1;
  wl_proxy_marshal_flags(keyboard, kKeymap, nullptr, 1, 0, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                         static_cast<uint32_t>(size));

  for (std::string line; std::getline(std::cin, line);) {
    uint32_t locked = 0;
    std::istringstream names(line);
    for (std::string name; names >> name;)
      locked |= 1u << xkb_keymap_mod_get_index(keymap, name.c_str());
    wl_proxy_marshal_flags(keyboard, kModifiers, nullptr, 1, 0, 0u, 0u, locked, 0u);
    wl_display_roundtrip(display);
    std::cout << "ok" << std::endl;
  }
  return 0;
}
