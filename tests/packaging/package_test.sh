#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured build tree, has Debian's checker look at it, unpacks it
# into a scratch root, checks its files, dependencies and manual page, and starts the unpacked
# program until its window is on screen.
#
#   package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../support/cleanup.sh"
source "$(dirname "$0")/../support/faked_time.sh"
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
at_exit rm -rf "$scratch"

fail() { echo "package_test: $*" >&2; exit 1; }

package="$(dirname "$0")/../../packaging/build-package.sh"
"$package" "$build" "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/calvanir_*.deb)
echo "built $(basename "$deb")"
# Again under another umask, a day later, in another time zone and locale: the same bytes.
(umask 002 && TZ=Pacific/Kiritimati LC_ALL=de_DE.UTF-8 faked_time +1d "$package" "$build" \
  "$scratch/again") >/dev/null
cmp "$deb" "$scratch"/again/calvanir_*.deb || fail "a second build of the package differs"
echo "built again, the same bytes: $(sha256sum <"$deb" | cut -d' ' -f1)"

# Debian's own checker: not one error or warning.
findings=$(LC_ALL=C.UTF-8 lintian --pedantic "$deb" 2>/dev/null | grep -E '^[EW]: ' || true)
[ -z "$findings" ] || fail "lintian: $findings"
echo "lintian --pedantic: no error, no warning"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation libqt6widgets6 libc6; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
id=io.github.calvanir.Calvanir
for file in usr/bin/calvanir \
            usr/share/man/man1/calvanir.1.gz \
            usr/share/doc/calvanir/copyright \
            usr/share/doc/calvanir/changelog.gz \
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/$id.png \
            usr/share/icons/hicolor/scalable/apps/$id.svg; do
  [ -s "$root/$file" ] || fail "missing $file"
done
[ -x "$root/usr/bin/calvanir" ] || fail "usr/bin/calvanir is not executable"
file "$root/usr/share/icons/hicolor/32x32/apps/$id.png" | grep -q '32 x 32' || fail "the PNG icon is not 32 x 32"
# In a locale every Debian system has: man complains of one that is not generated.
manWarnings=$(LC_ALL=C.UTF-8 man --warnings -l "$root/usr/share/man/man1/calvanir.1.gz" 2>&1 >/dev/null)
[ -z "$manWarnings" ] || fail "the manual page: $manWarnings"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net ${APPSTREAM_OVERRIDES:-} "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | grep -v '^./usr/' && fail "files outside /usr"

# The offscreen platform shows nothing another process could see, so the window is looked for on a
# private X server instead: the unpacked program must map a window with its caption.
"$(dirname "$0")/../support/on_xvfb.sh" bash -c '
  source "$1"
  "$2" &
  at_exit stop $!
  timeout 20 xdotool search --sync --onlyvisible --name "^Calvanir  2\.0" >/dev/null
' _ "$(dirname "$0")/../support/cleanup.sh" "$root/usr/bin/calvanir" || fail "the unpacked program showed no window"
echo "the unpacked program showed its window"
