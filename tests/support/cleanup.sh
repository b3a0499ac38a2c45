# SPDX-License-Identifier: GPL-3.0-or-later
# The test scripts' clean-up, sourced by each: what at_exit registers runs when the script exits,
# the last registered first, and none of it changes the exit status, which is what the checks
# decided. A clean-up that cannot finish says so on standard error and the status stays. Every wait
# is for a condition, tried every tenth of a second, and bounded.
#
#   at_exit COMMAND [ARGUMENTS...]   run at exit
#   scratch NAME                     a new folder, removed at exit, its path in the variable NAME
#   wait_until SECONDS COMMAND...    whether COMMAND succeeds within SECONDS
#   ended PID...                     whether they have all ended within 5 s
#   stop PID...                      end processes that this script started, and their children
#                                    (a wrapper's, such as faketime's): TERM, then KILL

cleanups=()
at_exit() { cleanups=("$(printf '%q ' "$@")" "${cleanups[@]}"); }

scratch() {
  printf -v "$1" %s "$(mktemp -d)"
  at_exit rm -rf "${!1}"
}

descendants() {
  local child
  for child in $(pgrep -P "$1"); do echo "$child" && descendants "$child"; done
}

wait_until() {
  for _ in $(seq $(($1 * 10))); do
    "${@:2}" && return 0
    sleep 0.1
  done
  return 1
}

# Whether every process PID... has ended; those left are in $left.
all_ended() {
  local pid
  left=()
  for pid in "$@"; do kill -0 "$pid" 2>/dev/null && left+=("$pid"); done
  [ ${#left[@]} -eq 0 ]
}
ended() { wait_until 5 all_ended "$@"; }

stop() {
  local pid left=()
  set -- "$@" $(for pid in "$@"; do descendants "$pid"; done)
  for pid in "$@"; do kill -TERM "$pid" 2>/dev/null || true; done
  ended "$@" && return 0
  for pid in "${left[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  ended "${left[@]}"
}

run_cleanups() {
  local status=$? cleanup
  set +e
  trap - EXIT
  for cleanup in "${cleanups[@]}"; do
    eval "$cleanup" </dev/null >/dev/null 2>&1 || echo "clean-up did not finish: $cleanup" >&2
  done
  exit "$status"
}
trap run_cleanups EXIT
