#include "display.h"

#include <QFontInfo>
#include <QWidget>
#include <cstdlib>

namespace calvanir::ui {

bool HasDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

bool WindowFontIsNarrow() {
  QFont font{QStringLiteral("Arial Narrow")};
  font.setPointSizeF(8.25);
  return QFontInfo(font).family().contains(QLatin1String("Narrow"));
}

}  // namespace calvanir::ui
