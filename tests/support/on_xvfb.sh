#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND on an Xvfb of its own and exits with the command's status. Xvfb chooses a display
# number that no server holds (-displayfd): xvfb-run's choice, from lock files, could fall on a
# server that was still shutting down, whose socket the command then reached in place of its own.
# The server never resets, as by default it does whenever its last client leaves: AT-SPI reads its
# bus's address from the root window, connecting and leaving, just as the program under test
# connects. The server is ended, and waited for, after the command; where the command failed, its
# log is shown.
#
#   on_xvfb.sh COMMAND [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/cleanup.sh"
scratch work
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
at_exit stop "$xvfb"
read -r display <"$work/display" || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
status=0
DISPLAY=:$display "$@" || status=$?
[ "$status" -eq 0 ] || { echo "Xvfb :$display's log:" >&2 && cat "$work/xvfb.log" >&2; }
exit "$status"
