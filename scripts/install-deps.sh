#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Calvanir needs, when missing, through apt and from the lists that Debian's tools
# read, so that each release's own names serve through the alternatives they declare:
#   run      the build dependencies of debian/control under the nocheck profile, and what the
#            package depends on besides its libraries: building and running the program
#   test     all of them, the Depends of the suite test in debian/tests/control, and the tools of
#            make test's own checks: the whole suite, the benchmarks, the fuzzer, the format check
#   package  what building, checking and testing packages in clean systems of any release needs
#            (uidmap maps the build user's own subordinate IDs)
#
#   install-deps.sh [run|test|package]
set -euo pipefail
cd "$(dirname "$0")/.."
scope=${1:-test}

# The Depends of the stanzas of FILE named NAME..., a package or a test, joined; @builddeps@, the
# package itself ("@") and the substitutions that the package build makes are left to apt-get
# build-dep and to the build.
depends_of() {
  local file=$1
  shift
  awk -v RS= -v wanted=" $* " '
    { named = 0; depends = 0; n = split($0, lines, "\n") }
    {
      for (i = 1; i <= n; i++) {
        line = lines[i]
        if (line ~ /^#/) continue
        if (line ~ /^[^ \t]/) depends = 0
        if (match(line, /^(Package: *|Tests: *|Features: *test-name=)/) &&
            index(wanted, " " substr(line, RLENGTH + 1) " ")) named = 1
        if (line ~ /^Depends:/) { depends = 1; sub(/^Depends:/, "", line) }
        if (depends) list = list " " line
      }
      if (named) all = all "," list
      list = ""
    }
    END { print all }' "$file" |
    tr -s ' \t' ' ' | tr ',' '\n' | sed 's/^ *//; s/ *$//' | grep -v -e '^@' -e '^\$' -e '^$' |
    paste -sd, -
}

build_dep=(-P nocheck) extra=
case $scope in
  run) extra=$(depends_of debian/control calvanir) ;;
  # And what make test runs of its own on the tree: the format check (clang-format 19, the one
  # judge: other versions format some lines otherwise), the fuzzer (clang, libFuzzer), make tidy,
  # and xrdb for make screenshots.
  test) extra=$(depends_of debian/control calvanir),$(depends_of debian/tests/control suite)
    extra+=",clang, clang-format-19, clang-tidy, libclang-rt-dev | libclang-rt-14-dev, make"
    extra+=", x11-xserver-utils" build_dep=() ;;
  package) build_dep=(--skip) extra="autopkgtest, dpkg-dev, git, mmdebstrap, sbuild, uidmap" ;;
  *) echo "install-deps.sh: run, test or package, not $scope" >&2; exit 2 ;;
esac

satisfied() {
  command -v dpkg-checkbuilddeps >/dev/null || return 1
  if [ "${build_dep[*]}" != --skip ]; then
    dpkg-checkbuilddeps "${build_dep[@]}" >/dev/null 2>&1 || return 1
  fi
  [ -z "$extra" ] || dpkg-checkbuilddeps -d "$extra" >/dev/null 2>&1
}
satisfied && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Calvanir's dependencies are missing: please run this as root." >&2; exit 1; }
  sudo=(sudo)
fi
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q --no-install-recommends)
. /etc/os-release
cannot() {
  echo "Calvanir needs these as debian/control and debian/tests/control declare them, and apt" \
    "cannot install them on ${PRETTY_NAME:-this system}." >&2
  exit 1
}
"${sudo[@]}" apt-get update -q
if [ "${build_dep[*]}" != --skip ]; then
  "${apt[@]}" build-dep "${build_dep[@]}" ./ || cannot
fi
[ -z "$extra" ] || "${apt[@]}" satisfy "$extra" || cannot
