#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `make test` in a system of RELEASE made from Debian's packages, on a fresh clone of this
# checkout's HEAD, as a new user of that release would: the suite's own set-up installs what it
# needs. The system is made once under build/RELEASE and kept for the next run (with what the suite
# installed in it); remove that directory for a fresh one. As root.
#
#   test-release.sh RELEASE [MAKE-ARGUMENTS...]   (default: test; test-repeat N=20 LOAD=1, say)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/in-system.sh
release=${1:?bookworm, trixie or sid}
shift
[ $# -gt 0 ] || set -- test
system=$PWD/build/$release/system
started=$SECONDS

if [ ! -e "$system/etc/os-release" ]; then
  make_tarball "$release" "$PWD/build/systems/$release.tar"
  rm -rf "$system"
  mkdir -p "$system"
  tar -C "$system" -xf "$PWD/build/systems/$release.tar"
fi

rm -rf "$system/root/calvanir"
git clone --quiet --no-hardlinks "$PWD" "$system/root/calvanir"
in_system "$system" make -C /root/calvanir "$@"
echo "test-release: make $* passed on $release, $((SECONDS - started)) s in all"
