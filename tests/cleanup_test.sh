#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A test script's exit status is its checks' verdict, whatever its clean-up meets: a process that
# has already ended, one that ignores TERM, or a clean-up that fails outright.
set -uo pipefail
helper="$(dirname "$0")/support/cleanup.sh"
failures=0
expect() {  # the status, then the script's body after its clean-up is registered
  local status
  bash -c "set -euo pipefail; source '$helper'; $2" >/dev/null 2>&1
  status=$?
  [ "$status" -eq "$1" ] && echo "ok: $2" || { echo "FAIL: status $status, not $1: $2" >&2; failures=$((failures + 1)); }
}
expect 0 'true & at_exit stop $!; wait; exit 0'
expect 3 'true & at_exit stop $!; wait; exit 3'
expect 0 'bash -c "trap \"\" TERM; sleep 30" & at_exit stop $!; exit 0'
expect 0 'at_exit false; at_exit kill 999999; exit 0'
expect 1 'at_exit false; false'
exit "$failures"
