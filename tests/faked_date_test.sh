#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test programs started ten seconds before a new year's midnight, which passes while they run,
# in locales whose dates run month first and day first: no test may depend on the date or the
# locale it runs in.
#
#   faked_date_test.sh TEST_PROGRAM...
set -uo pipefail
source "$(dirname "$0")/support/faked_time.sh"
start="2026-12-31 23:59:50"
failures=0
for locale in en_US.UTF-8 de_DE.UTF-8; do
  for program in "$@"; do
    if output=$(LC_ALL=$locale LANG=$locale QT_QPA_PLATFORM=offscreen \
                faked_time "@$start" "$program" 2>&1); then
      echo "ok at $start in $locale: $(basename "$program")"
    else
      echo "$output" | tail -40
      echo "FAIL at $start in $locale: $program" >&2
      failures=$((failures + 1))
    fi
  done
done
exit "$failures"
