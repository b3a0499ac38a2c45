#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window at start-up under each style Qt offers here, in the dark palette, at each scale and at
# each X11 font resolution, one PNG each in build/screenshots/, to be looked at side by side.
# Usage: scripts/screenshots.sh BUILD_DIR
set -euo pipefail
shot=$1/ui/calvanir_screenshot out=build/screenshots
mkdir -p "$out"
offscreen() { env LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen "$@" 2>/dev/null; }
for style in Fusion Windows Adwaita Adwaita-Dark Adwaita-HighContrast Adwaita-HighContrastInverse; do
  QT_STYLE_OVERRIDE=$style offscreen "$shot" "$out/style-$style.png"
done
offscreen "$shot" "$out/palette-dark.png" --dark
for scale in 1 1.25 1.5 2; do
  QT_SCALE_FACTOR=$scale offscreen "$shot" "$out/scale-$scale.png"
done
# Qt takes X11's Xft.dpi as the screen's scale: a private X server for each, kept from resetting
# as xrdb leaves it.
for dpi in 120 144 192; do
  xvfb-run -a -s "-noreset -screen 0 1280x1024x24" sh -c "echo 'Xft.dpi: $dpi' | xrdb -nocpp -merge && LC_ALL=en_US.UTF-8 '$shot' '$out/xft-dpi-$dpi.png'" 2>/dev/null
done
ls "$out"
