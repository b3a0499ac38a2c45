#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Calvanir's source and binary packages from HEAD as Debian's builders do: in a clean system
# of RELEASE made with mmdebstrap, holding exactly the declared build dependencies, as a user who
# is not root, with the build's own suite unless DEB_BUILD_OPTIONS says nocheck; then the binary
# package again from the source package, the same bytes; lintian --pedantic on the .changes there,
# not one error or warning; and autopkgtest in a fresh testbed of the same release. The packages
# and logs go to build/package/RELEASE. As root; commit first.
#
#   debian-package.sh [RELEASE]   bookworm, trixie or sid; by default the release it runs on
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/in-system.sh
release=${1:-$(release_here)}
tarball=$PWD/build/systems/$release.tar
out=$PWD/build/package/$release
system=$out/system
started=$SECONDS

make_tarball "$release" "$tarball"
rm -rf "$out"
mkdir -p "$system"
tar -C "$system" -xf "$tarball"

# The upstream tarball is the commit without debian/, which the packaging adds: the same commit
# always gives the same bytes.
version=$(sed -n '1s/^calvanir (\([^-)]*\).*/\1/p' debian/changelog)
mkdir -m 777 "$system/build"
git archive --format=tar.gz --prefix="calvanir-$version/" -o "$system/build/calvanir_$version.orig.tar.gz" \
  HEAD -- . ':!debian'
git archive --format=tar --prefix="calvanir-$version/" HEAD debian | tar -C "$system/build" -x
in_system "$system" bash -euo pipefail -c '
  cd /build
  tar -xzf calvanir_*.orig.tar.gz
  chown -R nobody:nogroup /build
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q --no-install-recommends ./calvanir-*/
  cd calvanir-*/
  builder=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/build)
  "${builder[@]}" dpkg-buildpackage -us -uc
  # Again from the source package, elsewhere, under another umask, time zone and locale, without
  # the suite: the same bytes.
  "${builder[@]}" sh -euc "
    mkdir /build/again
    dpkg-source -x ../calvanir_*.dsc /build/again/calvanir
    cd /build/again/calvanir
    umask 002
    TZ=Pacific/Kiritimati LC_ALL=de_DE.UTF-8 DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -b -us -uc
  " >/build/again.log 2>&1 || { tail -n 30 /build/again.log; exit 1; }
  cmp ../calvanir_*_amd64.deb /build/again/calvanir_*_amd64.deb
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends lintian >/dev/null
  "${builder[@]}" lintian --pedantic --fail-on error,warning ../calvanir_*.changes
' || status=$?
cp "$system"/build/calvanir_* "$system"/build/calvanir-dbgsym_* "$out/" 2>/dev/null || true
rm -rf "$system"
[ "${status:-0}" -eq 0 ] || { echo "debian-package: the build or lintian failed on $release" >&2; exit 1; }
echo "debian-package: built and checked on $release in $((SECONDS - started)) s:"
(cd "$out" && sha256sum calvanir_*.deb calvanir_*.dsc)

# The testbed maps root to a range of IDs of root's own, which useradd gives every other user.
# Root's line comes first: util-linux 2.38's unshare reads any name as user 0, so it takes the
# first line of the file as root's whoever it belongs to, and newuidmap then refuses that range.
for ids in /etc/subuid /etc/subgid; do
  if ! head -n 1 "$ids" 2>/dev/null | grep -q '^root:'; then
    lines=$(grep -m 1 '^root:' "$ids" 2>/dev/null || echo root:1000000:65536)
    lines+=$'\n'$(grep -v '^root:' "$ids" 2>/dev/null || true)
    printf '%s\n' "${lines%$'\n'}" >"$ids"
  fi
done
autopkgtest --apt-upgrade --output-dir "$out/autopkgtest" "$out"/calvanir_*.changes -- \
  unshare --release "$release" --tarball "$tarball"
echo "debian-package: autopkgtest passed on $release, $((SECONDS - started)) s in all"
