// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the look the user's desktop gives it: the user's style wherever the fixed layout
// shows every text whole in it, and the user's colours always.
#pragma once

#include <memory>

namespace calvanir::ui {

class Form1;

// The window in the user's style; or, where that style's frames and paddings leave the fixed
// layout too little room even at the smallest readable size, in Fusion, whose are small, with the
// palette that the user's style or platform theme gives, so that a dark style stays dark. Made
// anew after the change: a style leaves its marks on the widgets it has polished. Dark where the
// desktop asks for dark.
std::unique_ptr<Form1> NewWindow();

}  // namespace calvanir::ui
