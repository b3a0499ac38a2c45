// SPDX-License-Identifier: GPL-3.0-or-later
// The window's font, and whether its controls show their texts whole in it: the fixed layout was
// made for Arial Narrow, and any other face, style or language must still fit it.
#pragma once

#include <QFont>
#include <functional>

class QWidget;

namespace calvanir::ui {

// Arial Narrow, 8.25 points, or the nearest narrow sans face installed.
QFont WindowFont();

// Whether `control` shows the whole of its caption, dates or text in its current font.
bool ShowsWholeText(const QWidget& control);

// Steps the font of `window` down, and then narrower, until `showsEveryTextWhole` says that every
// text shows whole again, but not below a readable size. Returns whether they all do.
bool FitFont(QWidget& window, const std::function<bool()>& showsEveryTextWhole);

}  // namespace calvanir::ui
