#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translations hold every text of the sources and no other: lupdate, run over the sources into
# copies of the .ts files, finds no text new and none obsolete; and every language but English has
# each of them translated.
#
#   translations_test.sh LUPDATE OPTION... -- TS... -- SOURCE...
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
lupdate=$1
shift
options=() translations=()
while [ "$1" != -- ]; do options+=("$1") && shift; done
shift
while [ "$1" != -- ]; do translations+=("$1") && shift; done
shift
scratch copies
cp "${translations[@]}" "$copies"
report=$("$lupdate" "${options[@]}" "$@" -ts "$copies"/*.ts 2>&1)
verdict=0
if grep -v -e "^Updating '.*'\.\.\.$" -e "(0 new and [0-9]* already existing)$" <<<"$report"; then
  echo "lupdate found texts the translations lack, or ones the sources no longer have"
  verdict=1
fi
if grep -l 'type="unfinished"' "$copies"/*.ts | grep -v '/calvanir_en\.ts$'; then
  echo "texts left untranslated there"
  verdict=1
fi
exit "$verdict"
