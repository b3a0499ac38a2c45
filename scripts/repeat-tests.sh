#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each built suite named (build/default and build/sanitize unless told) N times in a row,
# beside a busy loop on every core with --load, and says per suite how many runs passed and which
# tests failed, how often. Exits 1 if any run failed.
#
#   repeat-tests.sh N [--load] [SUITE...]
set -uo pipefail
source "$(dirname "$0")/../tests/support/cleanup.sh"
runs=$1 load=
shift
if [ "${1:-}" = --load ]; then
  load=" under load"
  shift
  for _ in $(seq "$(nproc)"); do
    bash -c 'while :; do :; done' &
    at_exit stop $!
  done
fi
log=$(mktemp)
at_exit rm -f "$log"
verdict=0
suites=("$@")
[ $# -gt 0 ] || suites=(default sanitize)
for preset in "${suites[@]}"; do
  passed=0
  declare -A failed=()
  for run in $(seq "$runs"); do
    if ctest --preset "$preset" -j "$(nproc)" >"$log" 2>&1; then
      passed=$((passed + 1))
    else
      verdict=1
      while read -r test; do failed[$test]=$((${failed[$test]:-0} + 1)); done \
        < <(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$log")
      cp "$log" "build/$preset-run-$run.log"
    fi
    echo "$preset: run $run of $runs: $passed passed so far"
  done
  echo "$preset: $passed of $runs runs passed$load"
  for test in "${!failed[@]}"; do echo "  $test failed ${failed[$test]} times (logs: build/$preset-run-*.log)"; done
  unset failed
done
exit "$verdict"
