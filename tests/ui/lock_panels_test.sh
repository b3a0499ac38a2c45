#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program's Caps Lock and Num Lock panels follow the keys, locked by another client:
# xdotool on X11, a virtual keyboard on Wayland.
#
#   lock_panels_test.sh CALVANIR VIRTUAL_KEYBOARD
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/program.sh"
start "$1"
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
