#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Calvanir's source and binary packages from HEAD with Debian's own tools, as its builders
# do: sbuild in unshare mode from a system of RELEASE that mmdebstrap makes once (build/systems),
# the build's suite included unless DEB_BUILD_OPTIONS says nocheck; there reprotest builds it
# again under its variations and finds the same bytes; then lintian --pedantic, not one error or
# warning, and autopkgtest in an unshare testbed of the same system. All of it as the user
# calvanir-builder, made once by useradd, which gives it the subordinate IDs that unshare maps.
# Packages and logs go to build/package/RELEASE. As root; commit first.
#
#   debian-package.sh [RELEASE]   bookworm, trixie or sid; by default the release it runs on
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/systems.sh
release=${1:-$(release_here)}
out=$PWD/build/package/$release
builder=calvanir-builder
started=$SECONDS

make_tarball "$release"
# Under a lock: the packages of two releases may be built at once.
flock build/systems sh -c 'id -u "$1" >/dev/null 2>&1 || useradd --create-home "$1"' - "$builder"
work=$(getent passwd "$builder" | cut -d: -f6)/$release
rm -rf "$work" "$out"
mkdir -p "$work" "$out"
# The builder may not reach this tree (a clone in a private directory, say), so it gets its own
# copies. The upstream tarball is the commit without debian/, which the packaging adds: the same
# commit always gives the same bytes.
cp "$PWD/build/systems/$release.tar" "$work/system.tar"
version=$(sed -n '1s/^calvanir (\([^-)]*\).*/\1/p' debian/changelog)
# The system is RELEASE's; the .changes names the distribution that the changelog targets, as
# lintian asks.
target=$(dpkg-parsechangelog -S Distribution)
git archive --format=tar.gz --prefix="calvanir-$version/" -o "$work/calvanir_$version.orig.tar.gz" \
  HEAD -- . ':!debian'
tar -C "$work" -xzf "$work/calvanir_$version.orig.tar.gz"
git archive --format=tar --prefix="calvanir-$version/" HEAD debian | tar -C "$work" -x
# sbuild reports lintian's and autopkgtest's verdicts, and fails on them only where told to.
printf '$lintian_require_success = 1;\n$autopkgtest_require_success = 1;\n1;\n' >"$work/sbuild.conf"
chown -R "$builder:" "$work"

# reprotest builds in the build's own system, as root there, with the build's .debs as its control
# (in the layout of its own builds). Its file-order variation stays off: disorderfs needs /dev/fuse,
# which sbuild's system lacks. The host-name variation takes sudo: a chroot may not make the user
# namespace it would use instead, and umount (not essential in unstable) to end that namespace.
vary=-fileordering,domain_host.use_sudo=1
# sbuild takes the first of alternative build dependencies unless told otherwise, as Debian's
# builders do for its own releases; Debian 12 has only the narrow font's older package, the second.
options=()
if [ "$release" = bookworm ]; then
  options=(--resolve-alternatives)
  vary=-fileordering,-domain_host  # its reprotest gives sudo a host name, which its sudo refuses
fi
again="set -e; cd %SBUILD_BUILD_DIR; mkdir -p control/source-root; cp ./*.deb control/source-root
  apt-get install -y -q --no-install-recommends diffoscope-minimal faketime locales-all mount reprotest sudo
  DEB_BUILD_OPTIONS=nocheck reprotest --vary=$vary \
    --control-build=control --store-dir=reprotest ./*.dsc -- null"
cd "$work"
status=0
runuser -u "$builder" -- dpkg-source --build "calvanir-$version" >/dev/null
runuser -u "$builder" -- env SBUILD_CONFIG="$work/sbuild.conf" DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-}" \
  sbuild --dist="$target" --chroot-mode=unshare --chroot="$work/system.tar" --source "${options[@]}" \
  --finished-build-commands="$again" \
  --run-lintian --lintian-opts="--pedantic --fail-on error,warning" \
  --run-autopkgtest --autopkgtest-root-args= --autopkgtest-opts="--apt-upgrade \
    --output-dir $work/autopkgtest -- unshare --release $release --tarball $work/system.tar" \
  "calvanir_$version-"*.dsc || status=$?
cp -r calvanir_* calvanir-dbgsym_* autopkgtest "$out/" 2>/dev/null || true
if [ "$status" -ne 0 ]; then
  tail -n 40 "$(ls "$out"/calvanir_*_amd64.build | head -n 1)" >&2
  echo "debian-package: sbuild failed on $release: its log and autopkgtest's are in $out" >&2
  exit 1
fi
echo "debian-package: built, rebuilt, checked and tested on $release in $((SECONDS - started)) s:"
(cd "$out" && sha256sum calvanir_*.deb calvanir_*.dsc)
