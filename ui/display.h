#pragma once

namespace calvanir::ui {

// Whether Qt can open a window: a display to show it on, or a platform chosen by hand (offscreen,
// for tests and screenshots).
bool HasDisplay();

// Checks that the window font resolved to a narrow face; false when the stand-in font is missing.
bool WindowFontIsNarrow();

}  // namespace calvanir::ui
