#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program as a user starts it, read from outside over AT-SPI as a screen reader reads it,
# on the display and session bus it is given. Its Caps Lock and Num Lock panels follow the keys,
# locked by another client: xdotool on X11, a virtual keyboard on Wayland; on Wayland, closed by
# the compositor, it ends with status 0 every time, and quickly. With year-end, started
# under faketime five seconds before a new year, its date panel turns to the new year's first day.
# With languages, it speaks the first language the user lists that it has: German before English.
#
#   program_test.sh CALVANIR VIRTUAL_KEYBOARD [year-end|languages]
set -euo pipefail
here=$(dirname "$0")
source "$here/../support/cleanup.sh"
source "$here/../support/faked_time.sh"
names() { /usr/bin/python3 "$here/accessible_names.py" Calvanir "$@"; }
run() { exec env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"; }

if [ "${3:-}" = year-end ]; then
  faked_time "@2026-12-31 23:59:55" run "$1" &
  at_exit stop $!
  names 12/31/2026 1/1/2027
  exit
fi

if [ "${3:-}" = languages ]; then
  LANGUAGE=de:en run "$1" &
  at_exit stop $!
  names Startdatum "Ergebnis in Tagen" Tage "Abstand berechnen" "Num-Taste aus"
  exit
fi

run "$1" &
program=$!
at_exit stop "$program"
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  coproc keyboard { "$2"; }
  at_exit stop "$keyboard_PID"
  lock() { echo "$1" >&"${keyboard[1]}" && read -r -u "${keyboard[0]}" _; }
  lock ""
  steps=(Lock "" Mod2 "")
else
  lock() { xdotool key "$1"; }
  steps=(Caps_Lock Caps_Lock Num_Lock Num_Lock)
fi
names "Caps Lock off" "Num Lock off"
said=("Caps Lock on" "Caps Lock off" "Num Lock on" "Num Lock off")
for i in "${!steps[@]}"; do
  lock "${steps[i]}"
  names "${said[i]}"
done
[ -n "${WAYLAND_DISPLAY:-}" ] || exit 0

# Its window closed by the compositor, twenty times over: on Qt 6.4 about one exit in twenty hung.
# Without the screen reader's bus, which makes the hang rarer still.
closed() {
  swaymsg -q "[pid=$1] kill" || { echo "FAIL: sway found no window of process $1 to close" >&2; exit 1; }
  ended "$1" || { echo "FAIL: still running 5 s after its window was closed" >&2; exit 1; }
  wait "$1" || { echo "FAIL: status $? after its window was closed" >&2; exit 1; }
}
shown() {
  for _ in $(seq 100); do
    [[ $(swaymsg -t get_tree) == *"\"pid\": $1,"* ]] && return 0
    kill -0 "$1" 2>/dev/null && sleep 0.1 || break
  done
  echo "FAIL: no window within 10 s of its start. It said:" >&2 && cat "$said" >&2 && exit 1
}
closed "$program"
said=$(mktemp)
at_exit rm -f "$said"
for _ in $(seq 20); do
  env -u DBUS_SESSION_BUS_ADDRESS "$1" 2>"$said" &
  program=$!
  at_exit stop "$program"
  shown "$program"
  closed "$program"
done
echo "ok: closed, it ended with status 0, 21 times"
