#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where no display can be reached, the program says in one sentence what it tried and exits with
# status 1, before Qt gets to abort.
#
#   no_display_test.sh CALVANIR NAME   NAME: the program's name, which the sentence opens with
set -uo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
program=$1 name=$2
scratch runtime

# A display number no X server listens on.
n=59
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

failures=0
expect() {  # the sentence, then the environment the program runs in
  local sentence="$name could not open a window: $1." output status
  shift
  output=$(env -i PATH="$PATH" "$@" "$program" 2>&1)
  status=$?
  if [ "$status" -eq 1 ] && [ "$output" = "$sentence" ]; then
    echo "ok: $*"
  else
    echo "FAIL: $*: status $status, said: $output" >&2
    failures=$((failures + 1))
  fi
}

expect "no X server at :$n" QT_QPA_PLATFORM=xcb DISPLAY=":$n"
expect "no X server (DISPLAY is not set)" QT_QPA_PLATFORM=xcb
expect "no X server at :$n" DISPLAY=":$n"
expect "no Wayland compositor at wayland-0" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$runtime"
expect "no Wayland compositor at wayland-0 and no X server at :$n" \
  XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime" DISPLAY=":$n"
exit "$failures"
