#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a user starts it on GNOME, under a real GNOME Shell: dark from GNOME's own setting
# at start and following it while it runs; no title-bar button of its window or of its message box
# leaves either maximized, or the box minimized out of reach; the box over its window.
#
#   gnome_test.sh CALVANIR
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/gnome_session.sh"
gnome_start prefer-dark
# A copy the session's user can run, wherever the build tree is and whoever may read it.
install -m 755 "$1" "$gnome/calvanir"
as_user "$gnome/calvanir" >"$gnome/program.log" 2>&1 &
at_exit stop $!

failures=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1" >&2 && failures=$((failures + 1)); fi; }
# The Shell's windows of the program, the main one first: "x y width height maximized minimized".
window() {
  shell "global.display.list_all_windows().filter(w => w.get_title().startsWith('Calvanir'))
    .sort((a, b) => b.get_title().length - a.get_title().length).map(w => { const r = w.get_frame_rect();
    const maximized = Number(w.get_maximized?.() ?? w.is_maximized());  // GNOME 49 on: is_
    return [r.x, r.y, r.width, r.height, maximized, w.minimized].join(' '); })[$1] ?? ''"
}
shown() { read -r x y width height maximized minimized <<<"$(window "$1")" && [ "${width:-0}" -gt 0 ]; }
# Shown where the compositor has put it: a new window is listed a moment before it is placed, at
# the size of its buffer, shadows and all, until Qt gives it its geometry.
placed() {
  shown "$1" || return 1
  local before="$x $y $width $height"
  sleep 0.3
  shown "$1" && [ "$x $y $width $height" = "$before" ]
}
# The sum of red, green and blue where the window's upper group is empty, as the Shell composes it.
brightness() {
  shell "const s = new imports.gi.Shell.Screenshot(); s.pick_color($((x + width / 3)),
    $((y + height * 2 / 5)), (o, r) => { const c = o.pick_color_finish(r)[1];
    global._calvanir.colour = c.red + c.green + c.blue; }); true" >/dev/null
  wait_until 5 picked && shell 'const c = global._calvanir.colour; delete global._calvanir.colour; c'
}
picked() { [ "$(shell 'global._calvanir.colour ?? -1')" != -1 ]; }
dark() { [ "$(brightness)" -lt 200 ]; }
light() { [ "$(brightness)" -gt 500 ]; }
# A click needs a moment to come to anything, or to nothing: what it leaves is read after it.
settle() { sleep 0.6; }
# Window N unmaximized at size SIZE, once whatever was minimized is brought back.
as_it_was() {
  shell "global.display.list_all_windows().forEach(w => w.minimized && w.activate(0)); true" >/dev/null
  shown "$1" && [ "$maximized" = 0 ] && [ "$width $height" = "$2" ]
}
# Every point of window N's title bar where Qt's decorations put a button, but close. Where the
# program undoes what a button did, the compositor may take a while to show it on a busy machine.
buttons_leave_it() {
  local point
  for point in 40 63 90 120; do
    shown "$1" && click $((x + width - point)) $((y + 15)) && settle
    wait_until 5 as_it_was "$@" || return 1
  done
}

check "the window shows" wait_until 20 placed 0
[ "$failures" -eq 0 ] || exit "$failures"  # nothing else to look at
size="$width $height"
# Within the bound the program has for its first reading, which it does not wait for to show.
check "dark at start" wait_until 2 dark
set_scheme default
check "light once GNOME is" wait_until 20 light
set_scheme prefer-dark
check "dark again once GNOME is" wait_until 20 dark
check "its title bar leaves it as it was" buttons_leave_it 0 "$size"
read -r main_x main_y main_width main_height _ <<<"$(window 0)"
click $((main_x + main_width * 11 / 20)) $((main_y + main_height * 16 / 25))  # the interval's box
settle
press 0x61  # a
check "a message box shows" wait_until 10 placed 1
box="$width $height"
centre=$((x + width / 2 - main_x)) middle=$((y + height / 2 - main_y))
check "the box over its window" [ "$centre" -gt 0 -a "$centre" -lt "$main_width" -a "$middle" -gt 0 \
  -a "$middle" -lt "$main_height" ]
check "its title bar leaves the box where it was" buttons_leave_it 1 "$box"
exit "$failures"
