#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Calvanir needs, when missing, by the names of the release it
# runs on: Debian 12 or 13. With "run", only what building and running the program need; with
# "test" (the default), also what the suite, the benchmarks and packaging need.
#
#   install-deps.sh [run|test]
set -euo pipefail
scope=${1:-test}

. /etc/os-release
release="${ID:-unknown} ${VERSION_ID:-}"
case $release in
  "debian 12") clang_rt=libclang-rt-14-dev narrow_font=fonts-liberation qt_private=qt6-base-private-dev ;;
  "debian 13") clang_rt=libclang-rt-dev narrow_font=fonts-liberation-sans-narrow qt_private= ;;
  *) clang_rt=libclang-rt-dev narrow_font=fonts-liberation-sans-narrow qt_private= known=no ;;
esac

packages=(
  # build and run
  g++ cmake make pkg-config
  qt6-base-dev $qt_private libxcb-xkb-dev libwayland-dev libxkbcommon-dev
  # the window's translations, built from the sources; Qt's own, loaded at start
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the window's narrow font
  "$narrow_font"
)
[ "$scope" = run ] || packages+=(
  # tests, fuzzing, benchmarks
  libgtest-dev libbenchmark-dev libicu-dev clang "$clang_rt" xvfb xauth
  # the time zones the date panel is tested in, a font set-up without a narrow face, and the
  # Chinese and Japanese scripts of the translations
  tzdata fonts-dejavu-core fonts-wqy-microhei
  # the suite run at a faked date; the processes its scripts end
  faketime procps
  # the window under the Adwaita styles, light, dark and high-contrast; under Qt's GTK theme
  adwaita-qt6 qt6-gtk-platformtheme
  # the window on a headless Wayland compositor
  sway qt6-wayland
  # make screenshots: X11's font resolution set on a private server
  x11-xserver-utils
  # the screen reader test: Orca, speaking through espeak-ng into libao's null driver
  orca speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins libao4
  espeak-ng dbus-daemon
  # the built program read from outside, over AT-SPI
  python3-pyatspi
  # hygiene and packaging; the one clang-format that judges on both releases
  clang-format-19 clang-tidy desktop-file-utils appstream dpkg-dev fakeroot file xdotool lintian man-db
  # the suite in a Debian 13 system of its own
  mmdebstrap
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -q
if [ "${known:-yes}" = no ]; then
  unknown=()
  for package in "${missing[@]}"; do
    apt-cache show "$package" >/dev/null 2>&1 || unknown+=("$package")
  done
  if [ ${#unknown[@]} -gt 0 ]; then
    echo "Calvanir knows the package names of Debian 12 and 13, not of ${PRETTY_NAME:-this system}, where apt finds no ${unknown[*]}." >&2
    exit 1
  fi
fi
echo "Installing missing packages: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
