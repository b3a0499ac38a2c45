# SPDX-License-Identifier: GPL-3.0-or-later
# A real GNOME Shell of its own, headless on Wayland, for what only GNOME shows: its compositor's
# placement, title bars and dialogs, its portal's colour scheme, its own input. Sourced by a test
# after cleanup.sh. The Shell refuses root, so root runs it as nobody. It wants a system bus, given
# one of its own that starts none of the services it asks for, and takes /run/systemd/seats for a
# logind it then cannot reach: a mount namespace hides that where it is.
#
#   gnome_start SCHEME        the Shell, with GNOME's colour-scheme setting SCHEME ('default',
#                             'prefer-dark'), then GNOME's portal; exits 77 where it cannot start
#   as_user COMMAND...        runs COMMAND in the session: its user, bus and Wayland display
#   shell JS                  evaluates JS in the Shell (in its unsafe mode), printing its result
#   set_scheme SCHEME         changes the setting, as GNOME's own settings do
#   click X Y, press KEYSYM   through the compositor's own virtual pointer and keyboard
gnome_start() {
  command -v gnome-shell >/dev/null || { echo "SKIP: GNOME Shell is not installed" >&2; exit 77; }
  scratch gnome
  chmod 755 "$gnome"
  local version extension=$gnome/.local/share/gnome-shell/extensions/unsafe@calvanir.test
  version=$(gnome-shell --version | sed 's/[^0-9]*\([0-9]*\).*/\1/')
  mkdir -p "$extension" "$gnome/run"
  chmod 700 "$gnome/run"
  printf '{"uuid": "unsafe@calvanir.test", "name": "unsafe", "description": "the suite'\''s",
    "shell-version": ["%s"]}\n' "$version" >"$extension/metadata.json"
  if [ "$version" -lt 45 ]; then
    echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }'
  else
    echo "import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';"
    echo 'export default class extends Extension { enable() { global.context.unsafe_mode = true; } disable() {} }'
  fi >"$extension/extension.js"
  user=() hide=() enter=()
  if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$gnome"
    user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  dbus-daemon --config-file="$(dirname "${BASH_SOURCE[0]}")/../ui/bus-without-services.conf" \
    --address="unix:path=$gnome/system-bus" --fork --print-pid >"$gnome/system-bus.pid"
  at_exit stop "$(cat "$gnome/system-bus.pid")"
  user+=(env -i PATH=/usr/bin:/bin HOME="$gnome" XDG_RUNTIME_DIR="$gnome/run" LANG=C.UTF-8
    XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$gnome/system-bus")
  # Its mounts private where the system's are shared; a chroot's root, which cannot be made so,
  # lies in a namespace whose mounts are private already. What runs in the session enters it too:
  # the portal knows a program by the program's own namespaces.
  if [ -d /run/systemd/seats ]; then
    local propagation=private
    grep -q ' shared:' /proc/self/mountinfo || propagation=unchanged
    hide=(unshare --mount --propagation "$propagation") enter=(nsenter --mount --root)
    if [ "$(id -u)" -ne 0 ]; then
      hide=(unshare --map-current-user --keep-caps "${hide[@]:1}")
      enter=(nsenter --user --preserve-credentials "${enter[@]:1}")
    fi
    hide+=(sh -c 'mount -t tmpfs tmpfs /run/systemd && exec "$@"' hide)
  fi
  # The portals start once the compositor listens, as a session's service manager starts them.
  cat >"$gnome/session.sh" <<'SESSION'
gsettings set org.gnome.shell enabled-extensions "['unsafe@calvanir.test']"
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.desktop.interface color-scheme "$1"
gsettings set org.gnome.desktop.interface enable-animations false  # windows whole at once
gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x1024 &
for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && break; sleep 0.1; done
dbus-update-activation-environment WAYLAND_DISPLAY=wayland-0
/usr/libexec/xdg-desktop-portal -r &
echo "$DBUS_SESSION_BUS_ADDRESS" >"$HOME/bus"
wait
SESSION
  "${hide[@]}" "${user[@]}" dbus-run-session -- bash -eu "$gnome/session.sh" "$1" >"$gnome/shell.log" 2>&1 &
  session=$!
  at_exit stop "$session"
  [ ${#enter[@]} -eq 0 ] || user=("${enter[@]}" --target "$session" --wd="$PWD" "${user[@]}")
  user+=(WAYLAND_DISPLAY=wayland-0)
  wait_until 30 answering_or_gone || true
  if ! answering; then
    echo "SKIP: GNOME Shell did not answer:" >&2
    tail -n 20 "$gnome/shell.log" >&2
    exit 77
  fi
}
answering_or_gone() { answering || ! kill -0 "$session" 2>/dev/null; }
answering() {
  [ -s "$gnome/bus" ] && [ "$(shell 'Main.layoutManager._startingUp' 2>/dev/null)" = false ] &&
    shell "Main.overview.hide(); $(device KEYBOARD_DEVICE) true" >/dev/null &&
    shell "$(device POINTER_DEVICE) true" >/dev/null
}
as_user() { "${user[@]}" DBUS_SESSION_BUS_ADDRESS="$(cat "$gnome/bus")" "$@"; }
# The Shell answers "(true, 'JSON')"; its JSON here is a number, a word or a quoted string.
shell() {
  local answer
  answer=$(as_user gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
    --method org.gnome.Shell.Eval "$1") || return 1
  [[ $answer == "(true, '"* ]] || { echo "$answer" >&2; return 1; }
  answer=${answer#"(true, '"}
  answer=${answer%"')"}
  answer=${answer#\"}
  echo "${answer%\"}"
}
set_scheme() { as_user gsettings set org.gnome.desktop.interface color-scheme "$1"; }
# Each device once, kept in the Shell; a new device loses its first event, so both are made at once.
device() {
  echo "const C = imports.gi.Clutter; global._calvanir ??= {};
    const d = global._calvanir['$1'] ??= (C.get_default_backend?.() ?? global.stage.context
      .get_backend()).get_default_seat().create_virtual_device(C.InputDeviceType.$1);
    const t = global.get_current_time() * 1000;"
}
click() {
  shell "$(device POINTER_DEVICE) d.notify_absolute_motion(t, $1, $2);
    d.notify_button(t + 30000, C.BUTTON_PRIMARY, C.ButtonState.PRESSED);
    d.notify_button(t + 60000, C.BUTTON_PRIMARY, C.ButtonState.RELEASED); true" >/dev/null
}
press() {
  shell "$(device KEYBOARD_DEVICE) d.notify_keyval(t, $1, C.KeyState.PRESSED);
    d.notify_keyval(t + 20000, $1, C.KeyState.RELEASED); true" >/dev/null
}
