#pragma once

#include <QFont>

namespace calvanir::ui {

// Whether Qt can open a window: a display to show it on, or a platform chosen by hand (offscreen,
// for tests and screenshots).
bool HasDisplay();

// Arial Narrow, 8.25 points, or its metric-compatible stand-in Liberation Sans Narrow.
QFont WindowFont();

// Whether the window font resolved to a narrow face; false when neither font is installed.
bool WindowFontIsNarrow();

}  // namespace calvanir::ui
