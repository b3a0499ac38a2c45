# SPDX-License-Identifier: GPL-3.0-or-later
# Clean Debian systems made with mmdebstrap, and commands run inside them; sourced by the scripts
# that build or test in another release. As root.
#
#   release_here                    the release this machine runs: bookworm, trixie or sid
#   make_tarball RELEASE TARBALL    a minimal system of RELEASE (essential packages, apt, and
#                                   useradd for autopkgtest's testbed user), from the Debian mirror
#                                   this machine's apt names; made once and kept
#   in_system DIR COMMAND...        COMMAND inside the system unpacked at DIR, as root

release_here() {
  if [[ $(cat /etc/debian_version) == */sid ]]; then echo sid; else . /etc/os-release && echo "$VERSION_CODENAME"; fi
}

make_tarball() {
  local release=$1 tarball=$2 mirror options=()
  [ -s "$tarball" ] && return 0
  mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
  # The mirror may be a snapshot, whose unstable is past its Release file's Valid-Until.
  [ "$release" != sid ] || options=(--aptopt='Acquire::Check-Valid-Until "false"')
  mkdir -p "$(dirname "$tarball")"
  mmdebstrap --quiet --format=tar --variant=apt --include=ca-certificates,git,locales,make,passwd "${options[@]}" \
    "$release" "$tarball.part" "deb ${mirror:-http://deb.debian.org/debian/} $release main"
  mv "$tarball.part" "$tarball"
}

# In a mount and process namespace of its own, so that nothing stays mounted or running, and a
# mount on the system's /dev/shm does not reach the host's. bash stays the namespace's first
# process (the `exit` keeps it from being replaced by chroot): it reaps the orphans of the suite's
# daemons.
in_system() {
  unshare --mount --pid --fork --propagation private -- bash -euo pipefail -c '
    system=$1
    shift
    mount -t proc proc "$system/proc"
    mount --rbind /sys "$system/sys"
    mount --rbind /dev "$system/dev"
    mount -t tmpfs tmpfs "$system/dev/shm"
    mount -t tmpfs tmpfs "$system/tmp"
    cp /etc/resolv.conf "$system/etc/resolv.conf"
    chroot "$system" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
      LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-}" "$@"
    exit $?
  ' in-system "$@"
}
