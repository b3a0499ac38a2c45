// SPDX-License-Identifier: GPL-3.0-or-later
// The window's look on the user's desktop: the user's style wherever the fixed layout shows every
// text whole in it, and the user's colours always.
#pragma once

#include <memory>

class QWidget;

namespace calvanir::ui {

class Form1;

// Gives the window its icon in every size from 16 to 256 pixels, for title bars, task switchers
// and docks at any scale, once the window has painted its first frame: reading the first PNG loads
// Qt's image plugins, which would delay it.
void SharpenWindowIcon(QWidget& window);

// The window in the user's style; or, where that style's frames and paddings leave the fixed
// layout too little room even at the smallest readable size, in Fusion, whose are small, with the
// palette that the user's style or platform theme gives, so that a dark style stays dark. Made
// anew after the change: a style leaves its marks on the widgets it has polished.
std::unique_ptr<Form1> NewWindow();

}  // namespace calvanir::ui
