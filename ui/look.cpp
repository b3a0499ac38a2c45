// SPDX-License-Identifier: GPL-3.0-or-later
// The window made in the user's style, or in Fusion where that style leaves too little room.
#include "look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "clear_edges.h"
#include "color_scheme.h"
#include "form1.h"
#include "title_bar.h"

namespace calvanir::ui {
namespace {

// False where the program is drawn with the compact style already, or it is missing.
bool UseCompactStyle() {
  const QString compact = QStringLiteral("Fusion");
  if (QApplication::style()->name().compare(compact, Qt::CaseInsensitive) == 0) return false;
  QStyle* style = QStyleFactory::create(compact);
  if (!style) return false;
  // Every colour set explicitly, or Qt would fill them in from the new style's own palette.
  QPalette palette = QApplication::palette();
  palette.setResolveMask(~QPalette::ResolveMask{0});
  QApplication::setStyle(style);
  QApplication::setPalette(palette);
  return true;
}

}  // namespace

std::unique_ptr<Form1> NewWindow() {
  auto window = std::make_unique<Form1>();
  if (!window->ShowsEveryTextWhole() && UseCompactStyle()) {
    window.reset();
    window = std::make_unique<Form1>();
  }
  DrawClearEdges();
  TellTitleBarsTheirColours();
  new DesktopColorScheme(window.get());
  return window;
}

}  // namespace calvanir::ui
