#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program started five seconds before a new year: its date panel turns to the new year's
# first day.
#
#   year_end_test.sh CALVANIR
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/faked_time.sh"
source "$(dirname "$0")/../support/program.sh"
start faked_time "@2026-12-31 23:59:55" exec "$1"
names 12/31/2026 1/1/2027
