#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where no display can be reached, the program says in one sentence what it tried and exits with
# status 1, before Qt gets to abort; it answers --help and --version there all the same, and refuses
# what it does not take in one line.
#
#   no_display_test.sh CALVANIR NAME VERSION   NAME: the program's name, which the sentence opens with
set -uo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
program=$1 name=$2 version=$3
scratch runtime

# A display number no X server listens on.
n=59
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

failures=0
# Where the program must answer (out or err, the other staying silent), its status and its first
# line, then the environment it runs in and, after --, its arguments.
expect() {
  local stream=$1 status=$2 first=$3 environment=() said silent actual
  shift 3
  while [ $# -gt 0 ] && [ "$1" != -- ]; do environment+=("$1") && shift; done
  shift
  env -i PATH="$PATH" "${environment[@]}" "$program" "$@" >"$runtime/out" 2>"$runtime/err"
  actual=$?
  said=$(head -n 1 "$runtime/$stream")
  silent=$([ "$stream" = out ] && echo err || echo out)
  if [ "$actual" -eq "$status" ] && [ "$said" = "$first" ] && [ ! -s "$runtime/$silent" ]; then
    echo "ok: ${environment[*]} $*"
  else
    echo "FAIL: ${environment[*]} $*: status $actual, said: $(cat "$runtime/out" "$runtime/err")" >&2
    failures=$((failures + 1))
  fi
}
no_window() { expect err 1 "$name could not open a window: $1." "${@:2}"; }
refused() { expect err 2 "$(basename "$program"): $1; '$(basename "$program") --help' lists the options" -- "${@:2}"; }

no_window "no X server at :$n" QT_QPA_PLATFORM=xcb DISPLAY=":$n" --
no_window "no X server (DISPLAY is not set)" QT_QPA_PLATFORM=xcb --
no_window "no X server at :$n" DISPLAY=":$n" --
no_window "no Wayland compositor at wayland-0" QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$runtime" --
no_window "no Wayland compositor at wayland-0 and no X server at :$n" \
  XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$runtime" DISPLAY=":$n" --
no_window "no Wayland compositor at wayland-0 and no X server at :$n" \
  XDG_CURRENT_DESKTOP=GNOME WAYLAND_DISPLAY=wayland-0 XDG_RUNTIME_DIR="$runtime" DISPLAY=":$n" --
# Qt's own options are Qt's, and the display check asks what they choose.
no_window "no X server at :$n" -- -platform xcb -display ":$n"
no_window "no Wayland compositor at wayland-0" DISPLAY=":$n" XDG_RUNTIME_DIR="$runtime" -- -style=Fusion --platform wayland
expect out 0 "Usage: $(basename "$program") [OPTION]..." -- --help
expect out 0 "$name $version" DISPLAY=":$n" -- -style Fusion --version
refused "unknown option '--bogus'" --bogus
refused "unknown argument 'today'" today
refused "option '-style' needs a value" -style
exit "$failures"
