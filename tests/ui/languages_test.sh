#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program speaks the first language the user lists that it has: German before English.
#
#   languages_test.sh CALVANIR
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/program.sh"
LANGUAGE=de:en start "$1"
names Startdatum "Ergebnis in Tagen" Tage "Abstand berechnen" "Num-Taste aus"
