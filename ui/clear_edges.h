// SPDX-License-Identifier: GPL-3.0-or-later
// The edges that show where each box, picker, button and option lies, drawn once more in a dark
// palette. The styles draw them a shade off the window's own colour, which a light window shows and
// a dark one all but hides: Fusion's text box stands 1.2:1 from a dark window, where a control's
// edge wants 3:1 to be seen.
#pragma once

#include <QProxyStyle>

namespace calvanir::ui {

class ClearEdges : public QProxyStyle {
  Q_OBJECT

 public:
  // Takes `style` over; in a light palette it draws exactly what `style` draws.
  explicit ClearEdges(QStyle* style);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
};

bool IsDarkPalette(const QPalette& palette);

// Half way between the window's colour and its text's; towards the highlight, for a focused
// control.
QColor EdgeColour(const QPalette& palette, bool focused);

// The application's style wrapped in ClearEdges, its palette kept; once.
void DrawClearEdges();

}  // namespace calvanir::ui
