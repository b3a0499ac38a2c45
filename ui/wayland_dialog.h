// SPDX-License-Identifier: GPL-3.0-or-later
// A message box that GNOME's compositor shows as a dialog of its window. Qt 6.4 has no way to say
// so on Wayland: GNOME Shell before 46 places its box as any other window, beside the main window,
// and lets it be minimized on its own, leaving the main window blocked by a box out of sight. From
// Qt 6.8 on, Qt says it itself, with xdg-dialog, to the compositors that take it.
#pragma once

class QWidget;

namespace calvanir::ui {

// Has `box`, a modal window with a parent not yet shown, told to the compositor as a modal dialog
// of its parent when it is shown: through GNOME's gtk_shell1, where Qt gives no way of its own and
// the compositor offers that. Elsewhere nothing.
void ShowAsDialogOfItsWindow(QWidget& box);

}  // namespace calvanir::ui
