#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a headless sway of its own, whose IPC socket it finds in SWAYSOCK; sway
# refuses root, so as root it runs as nobody. Exits 77 (skipped) where sway cannot start, saying why.
# Usage: wayland_test.sh TEST_PROGRAM [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
scratch work
chmod 755 "$work"
mkdir -m 700 "$work/run"
as_user=()
[ "$(id -u)" -eq 0 ] && chown nobody "$work/run" && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/run" WLR_BACKENDS=headless \
  WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c /dev/null >"$work/sway.log" 2>&1 &
sway=$!
at_exit stop "$sway"
listening() {
  socket=$(find "$work/run" -maxdepth 1 -name 'wayland-[0-9]' -print -quit)
  [ -n "$socket" ] || ! kill -0 "$sway" 2>/dev/null
}
wait_until 10 listening || true
[ -n "${socket:-}" ] || { echo "SKIP: sway could not start:" >&2; cat "$work/sway.log" >&2; exit 77; }
SWAYSOCK=$(find "$work/run" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit) \
  WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
