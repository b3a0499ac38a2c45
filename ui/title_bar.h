// SPDX-License-Identifier: GPL-3.0-or-later
// The title bar in the window's own colours, where the window manager draws it from what the window
// says of itself: on X11, GNOME's draws a dark frame for a window whose _GTK_THEME_VARIANT is
// "dark", and Qt says nothing of it. On Wayland, Qt's own title bar follows the scheme from Qt 6.8
// on; Qt 6.4's has no dark look to follow with.
#pragma once

namespace calvanir::ui {

// From now on, each of the program's windows, when shown and whenever its palette changes, says
// "dark" where its palette is dark and nothing where it is light. On X11 alone.
void TellTitleBarsTheirColours();

}  // namespace calvanir::ui
