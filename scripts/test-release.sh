#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `make test` in a new system of RELEASE that mmdebstrap makes from Debian's packages, on a
# fresh clone of this checkout's HEAD, as a new user of that release would: the suite's own set-up
# installs what it needs. The system is gone afterwards. As root.
#
#   test-release.sh RELEASE [MAKE-ARGUMENTS...]   (default: test; test-repeat N=20 LOAD=1, say)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/systems.sh
release=${1:?bookworm, trixie or sid}
shift
[ $# -gt 0 ] || set -- test
started=$SECONDS
printf -v make '%q ' "$@"
# mmdebstrap's hooks run in its system, /proc, /sys and /dev mounted, and end with it.
new_system "$release" /dev/null --format=null \
  --customize-hook="git clone --quiet --no-hardlinks $(printf %q "$PWD") \"\$1/root/calvanir\"" \
  --customize-hook="chroot \"\$1\" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    TERM=${TERM:-dumb} make -C /root/calvanir $make"
echo "test-release: make $* passed on $release, $((SECONDS - started)) s in all"
