#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, testing and packaging Calvanir need, when missing.
set -euo pipefail

packages=(
  # build
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-private-dev libxcb-xkb-dev libwayland-dev libxkbcommon-dev
  # tests, fuzzing, benchmarks
  libgtest-dev libbenchmark-dev libicu-dev clang libclang-rt-14-dev xvfb xauth
  # the time zones the date panel is tested in, and a font set-up without a narrow face
  tzdata fonts-dejavu-core
  # the suite run at a faked date
  faketime
  # the window under the Adwaita styles, light, dark and high-contrast
  adwaita-qt6
  # the window on a headless Wayland compositor
  sway qt6-wayland
  # make screenshots: X11's font resolution set on a private server
  x11-xserver-utils
  # the screen reader test: Orca, speaking through espeak-ng into libao's null driver
  orca speech-dispatcher speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins libao4
  espeak-ng dbus-daemon
  # the window's narrow font
  fonts-liberation
  # hygiene and packaging
  clang-format clang-tidy desktop-file-utils appstream dpkg-dev fakeroot file xdotool lintian man-db
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
