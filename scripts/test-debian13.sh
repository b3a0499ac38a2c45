#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `make test` in a Debian 13 system made from Debian's packages, on a fresh clone of this
# checkout's HEAD, as a new user on Debian 13 would: the suite's own set-up installs what it needs.
# The system is made once under build/debian13 and kept for the next run (with what the suite
# installed in it); remove that directory for a fresh one. As root.
#
#   test-debian13.sh [MAKE-ARGUMENTS...]   (default: test; test-repeat N=20 LOAD=1, say)
#
# The system runs in a mount and process namespace of its own: nothing stays mounted, and no
# process it started outlives it or meets the host's (the host's Orca, say).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- test
system=$PWD/build/debian13/system
started=$SECONDS

if [ ! -e "$system/etc/os-release" ]; then
  rm -rf "$system" "$system.part"
  mkdir -p "$(dirname "$system")"
  mmdebstrap --quiet --variant=apt --include=git,make,ca-certificates,locales trixie "$system.part"
  mv "$system.part" "$system"
  echo "test-debian13: made the Debian 13 system in $((SECONDS - started)) s"
fi

rm -rf "$system/root/calvanir"
git clone --quiet --no-hardlinks "$PWD" "$system/root/calvanir"

# A mount on the system's own /dev/shm must not reach the host's: the namespace's mounts do not
# propagate back. bash stays the namespace's first process (the `exit` keeps it from being
# replaced by chroot), because it reaps the orphans that the suite's daemons leave.
unshare --mount --pid --fork --propagation private -- bash -euo pipefail -c '
  system=$1
  shift
  mount -t proc proc "$system/proc"
  mount --rbind /sys "$system/sys"
  mount --rbind /dev "$system/dev"
  mount -t tmpfs tmpfs "$system/dev/shm"
  mount -t tmpfs tmpfs "$system/tmp"
  chroot "$system" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    make -C /root/calvanir "$@"
  exit $?
' test-debian13 "$system" "$@"
echo "test-debian13: make $* passed in the Debian 13 system, $((SECONDS - started)) s in all"
