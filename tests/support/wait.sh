# SPDX-License-Identifier: GPL-3.0-or-later
# The test scripts' waits, sourced by each: every wait is for a condition, tried every tenth of a
# second, and bounded.
#
#   wait_until SECONDS COMMAND [ARGUMENTS...]   whether COMMAND succeeds within SECONDS
#   window_of PID                               whether process PID shows a window within 20 s;
#                                               on X11 its window's id is printed

wait_until() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

in_sway_tree() { [[ $(swaymsg -t get_tree) == *"\"pid\": $1,"* ]]; }
window_of() {
  if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    wait_until 20 in_sway_tree "$1"
  else
    wait_until 20 xdotool search --onlyvisible --pid "$1" 2>/dev/null
  fi
}
