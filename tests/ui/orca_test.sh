#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca, the screen reader, says of the window, read from its debug log, whose lines
# "SPEECH OUTPUT: '...'" are what a user hears: the results after each Calculate, a box's value as
# the focus reaches it, a date's weekday. The window runs in en_US on 2003-03-14, a Friday.
#
# Orca runs on a private X server and session bus, with braille off, and with a private
# speech-dispatcher whose espeak-ng output goes to libao's null driver: without a sound device
# speech-dispatcher stops answering after a few phrases, and Orca then hangs.
# Usage: orca_test.sh CALVANIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  export HOME=$work/home XDG_RUNTIME_DIR=$work/run
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  echo default_driver=null >"$HOME/.libao"
  printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<'SETTINGS'
{"general": {"enableBraille": false, "enableBrailleMonitor": false, "enableSound": false,
             "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
SETTINGS
  status=0
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    dbus-run-session -- "$0" --inside "$1" "$work" || status=$?
  exit "$status"
fi

program=$2 work=$3 log=$3/orca.log failures=0 mark=0
touch "$log"
# Never Orca's --replace: it ends every Orca of this user on the machine.
/usr/bin/python3 "$here/orca_line_buffered.py" --debug-file "$log" >"$work/orca.out" 2>&1 &
orca=$!
app=
finish() {
  # faketime runs the window as its child.
  [ -n "$app" ] && { pkill -P "$app"; kill "$app"; } 2>/dev/null
  kill "$orca" 2>/dev/null && wait "$orca" 2>/dev/null
  # The speech-dispatcher that Orca started for this test, known by the private socket's path.
  pkill -f -- "--socket-path $XDG_RUNTIME_DIR/" || true
}
trap finish EXIT

spoken_since_mark() { tail -n +"$((mark + 1))" "$log" | sed -n 's/^.*SPEECH OUTPUT: /  /p'; }
# Keys, typed text or a window focus, after which the next expectations are heard.
act() {
  mark=$(wc -l <"$log")
  "$@"
}
keys() { act xdotool key --delay 200 "$@"; }
expect() {
  for _ in $(seq 100); do
    tail -n +"$((mark + 1))" "$log" | grep -qF "SPEECH OUTPUT: '$1'" && return 0
    sleep 0.1
  done
  echo "FAIL: Orca did not say '$1'. It said:" >&2
  spoken_since_mark >&2
  failures=$((failures + 1))
}

act true
expect "Screen reader on."
if [ "$failures" -ne 0 ]; then
  echo "Orca did not start:" >&2
  cat "$work/orca.out" >&2
  exit 1
fi
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 faketime -f "@2003-03-14 12:00:00" "$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Calvanir  2\.0")
# There is no window manager to give the window the keyboard, at start or after a message box.
act xdotool windowfocus --sync "$window"
expect "First Date 3/14/2003 spin button."
expect "Friday, March 14, 2003."

keys Tab Up Tab Tab Tab Tab Tab
expect "Calculate the interval push button."
keys space
expect "31 day(s). 5 week(s). 1 month(s). 0 year(s)."
keys Tab
expect "Years result read only text."
expect "0 year(s). selected."

keys Tab Tab
expect "Interval text."
expect "0 selected."
keys a
expect "Please enter a number."
keys Return
act xdotool windowfocus --sync "$window"
expect "0."

keys BackSpace 5 Tab Tab Tab
expect "Calculate the resulting date push button."
keys space
expect "Wednesday, March 19, 2003."

[ "$failures" -eq 0 ] && echo "Orca said every result, value and weekday"
exit "$failures"
