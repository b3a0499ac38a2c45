// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, the layout's unit: 1/1440 inch, 15 to a pixel at 96 dots per inch. Qt's device-independent
// pixels are 96 to the inch, so twips / 15 are Qt pixels, and Qt scales them on high-DPI screens.
#pragma once

#include <QRect>
#include <cmath>

namespace calvanir::ui {

constexpr int kTwipsPerPixel = 15;

constexpr int PixelsFromTwips(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int TwipsFromPixels(int pixels) {
  return pixels * kTwipsPerPixel;
}

// Both edges rounded, so that rectangles that meet in twips meet in pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
  const int x = PixelsFromTwips(left), y = PixelsFromTwips(top);
  return {x, y, PixelsFromTwips(left + width) - x, PixelsFromTwips(top + height) - y};
}

}  // namespace calvanir::ui
