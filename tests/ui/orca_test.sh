#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca says of the window, from its debug log, whose lines "SPEECH OUTPUT: '...'" are what a
# user hears: the results after each Calculate, a box's value on focus, a date's weekday. The window
# runs in en_US on 2003-03-14, a Friday; with de, Orca and the window in German, where what is
# heard of the window's own is checked: the results and the weekdays. Run on an X server and a
# session bus of its own (on_xvfb.sh, dbus-run-session), Orca gets a home of its own, braille off,
# and a private speech-dispatcher whose espeak-ng output goes to libao's null driver: without a
# sound device speech-dispatcher stops answering after a few phrases, and Orca then hangs.
# Usage: orca_test.sh CALVANIR [de]
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/program.sh"
source "$(dirname "$0")/../support/faked_time.sh"
# A home of Orca's own, where the bus starts what it starts (the accessibility bus) too.
set_up_home() {
  scratch work
  export HOME=$work XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
  mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca"
  dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_DATA_HOME
  echo default_driver=null >"$HOME/.libao"
  printf '%s\n' 'AudioOutputMethod "libao"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  echo '{"general": {"enableBraille": false, "enableSound": false, "firstStart": false},
    "profiles": {"default": {"profile": ["Default", "default"]}}, "pronunciations": {},
    "keybindings": {}}' >"$XDG_DATA_HOME/orca/user-settings.conf"
}
set_up_home

log=$work/orca.log failures=0 mark=0
if [ "${2:-en}" = de ]; then
  export LANGUAGE=de LANG=de_DE.UTF-8  # Orca's own words in German as well
  program_locale=de_DE.UTF-8
  on=("Bildschirmleser an.") first=() friday=("Freitag, 14. März 2003.")
  counted=("1 Tag. 0 Wochen. 0 Monate. 0 Jahre.") years=()
  wednesday=("Mittwoch, 19. März 2003.")
else
  program_locale=en_US.UTF-8
  on=("Screen reader on.") first=("First Date 3/14/2003 spin button." "First Date spin button 3/14/2003.")
  friday=("Friday, March 14, 2003.")
  counted=("31 day(s). 5 week(s). 1 month(s). 0 year(s).") years=("0 year(s). selected.")
  wednesday=("Wednesday, March 19, 2003.")
fi
touch "$log"
# Never with --replace, which ends every Orca of this user on the machine.
/usr/bin/python3 "$(dirname "$0")/orca_line_buffered.py" --debug-file "$log" >"$work/orca.out" 2>&1 &
orca=$!
# The speech-dispatcher that Orca started, once Orca has ended.
stop_speech_dispatcher() { stop $(pgrep -f -- "--socket-path $XDG_RUNTIME_DIR/"); }
at_exit stop_speech_dispatcher
at_exit stop "$orca"

# A key press, or the window given the keyboard (no window manager does it), before what is heard.
act() {
  mark=$(wc -l <"$log")
  "$@"
}
# Whether Orca has logged, since the mark, a line that grep's ARGUMENTS match. Not through a pipe:
# grep ends at the first match, and tail's broken pipe would make pipefail call the match a miss.
logged() { grep -q "$@" <(tail -n +"$((mark + 1))" "$log"); }
# One key at a time, as a user who listens: after a Tab, the next key waits until the window has
# told Orca where the focus went. Qt holds each key until the screen reader has answered for it and
# then gives it to the control that had the focus when it came, so keys close behind a Tab that a
# busy Orca has not yet answered land in the control that the Tab leaves.
keys() {
  local key
  for key; do
    act xdotool key "$key"
    if [ "$key" = Tab ]; then focus_moved; fi
  done
}
focus_moved() {
  wait_until 10 logged -E 'EVENT MANAGER: object:state-changed:focused for .* \(1, ' && return 0
  echo "FAIL: after a Tab, the window did not tell Orca of a control that gained the focus" >&2
  failures=$((failures + 1))
}
# What Orca must say, in one of the forms given: Orca 48 orders a control's name, role and value
# otherwise than Orca 43. Later Orcas drop one full stop or another at the end, which no one hears.
heard() {
  local said
  for said; do
    logged -F "SPEECH OUTPUT: '$said'" || logged -F "SPEECH OUTPUT: '${said%.}'" && return 0
  done
  return 1
}
expect() {
  [ $# -gt 0 ] || return 0
  wait_until 10 heard "$@" && return 0
  echo "FAIL: Orca did not say '$1'. It said:" >&2
  tail -n +"$((mark + 1))" "$log" | sed -n 's/^.*SPEECH OUTPUT: /  /p' >&2
  failures=$((failures + 1))
}

act true
expect "${on[@]}"
[ "$failures" -eq 0 ] || { cat "$work/orca.out" >&2; exit 1; }
LC_ALL=$program_locale LANG=$program_locale faked_time "@2003-03-14 12:00:00" exec "$1" &
at_exit stop $!
window=$(window_of $!) || { echo "FAIL: no window within 20 s of its start" >&2; exit 1; }
act xdotool windowfocus --sync "$window"
expect "${first[@]}"
expect "${friday[@]}"
# The first date a month later (en_US) or a day later (de), then the upper Calculate.
keys Tab Up Tab Tab Tab Tab Tab space
expect "${counted[@]}"
keys Tab
expect "${years[@]}"
keys Tab Tab BackSpace 5 Tab Tab Tab space
expect "${wednesday[@]}"
[ "$failures" -eq 0 ] && echo "Orca said every result, value and weekday"
exit "$failures"
