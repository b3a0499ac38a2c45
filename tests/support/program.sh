# SPDX-License-Identifier: GPL-3.0-or-later
# The built program as a user starts it, on the display and session bus it is given, read from
# outside over AT-SPI as a screen reader reads it. Sourced by the tests of the program, after
# cleanup.sh.
#
#   start COMMAND...   runs COMMAND, the program or what execs it, in the background in en_US with
#                      accessibility on; its process in $program, stopped at exit
#   names NAME...      whether the program shows each NAME in turn within 20 s
#   window_of PID      whether process PID shows a window within 20 s; on X11 its id is printed
start() {
  LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" &
  program=$!
  at_exit stop "$program"
}
names() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_names.py" "$program" "$@"; }
in_sway_tree() { [[ $(swaymsg -t get_tree) == *"\"pid\": $1,"* ]]; }
window_of() {
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    wait_until 20 in_sway_tree "$1"
  else
    wait_until 20 xdotool search --onlyvisible --pid "$1" 2>/dev/null
  fi
}
