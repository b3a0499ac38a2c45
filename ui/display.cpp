#include "display.h"

#include <QFontInfo>
#include <cstdlib>

namespace calvanir::ui {

bool HasDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

QFont WindowFont() {
  // Where Arial Narrow is not installed, as on most Linux desktops, fontconfig's aliases put its
  // metric-compatible stand-in Liberation Sans Narrow in its place.
  QFont font{QStringLiteral("Arial Narrow")};
  font.setPointSizeF(8.25);
  return font;
}

bool WindowFontIsNarrow() {
  return QFontInfo(WindowFont()).family().contains(QLatin1String("Narrow"));
}

}  // namespace calvanir::ui
