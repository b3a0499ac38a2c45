# SPDX-License-Identifier: GPL-3.0-or-later
# Clean Debian systems that mmdebstrap makes from the Debian mirror this machine's apt names;
# sourced by the scripts that build or test in another release. As root.
#
#   release_here                    the release this machine runs: bookworm, trixie or sid
#   new_system RELEASE OUT ARG...   a minimal system of RELEASE (essential packages, apt, git,
#                                   locales, make, and useradd for autopkgtest's testbed user) into
#                                   OUT, as mmdebstrap's ARGs (a format, hooks) say
#   make_tarball RELEASE            that system as build/systems/RELEASE.tar, made once and kept

release_here() {
  if [[ $(cat /etc/debian_version) == */sid ]]; then echo sid; else . /etc/os-release && echo "$VERSION_CODENAME"; fi
}

new_system() {
  local release=$1 out=$2 mirror options=()
  shift 2
  mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
  # The mirror may be a snapshot, whose unstable is past its Release file's Valid-Until.
  [ "$release" != sid ] || options=(--aptopt='Acquire::Check-Valid-Until "false"')
  mmdebstrap --quiet --variant=apt --include=ca-certificates,git,locales,make,passwd "${options[@]}" "$@" \
    "$release" "$out" "deb ${mirror:-http://deb.debian.org/debian/} $release main"
}

make_tarball() {
  local tarball=$PWD/build/systems/$1.tar
  [ -s "$tarball" ] && return 0
  mkdir -p "$(dirname "$tarball")"
  new_system "$1" "$tarball.part" --format=tar
  mv "$tarball.part" "$tarball"
}
