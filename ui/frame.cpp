// SPDX-License-Identifier: GPL-3.0-or-later
// The captioned frames and the divider, drawn as etched lines.
#include "frame.h"

#include <qdrawutil.h>
#include <QPainter>

#include "accessibility.h"
#include "clear_edges.h"

namespace calvanir::ui {
namespace {

constexpr int kCaptionIndent = 6;   // pixels from the frame's left edge
constexpr int kCaptionPadding = 2;  // clear space either side of the caption on the line

void DrawEtchedBox(QWidget& widget, QPainter& painter, int top) {
  QPalette palette = widget.palette();
  // A dark window hides the etching's light half unless it is as clear as the controls' edges.
  if (IsDarkPalette(palette)) palette.setColor(QPalette::Light, EdgeColour(palette, false));
  qDrawShadeRect(&painter, QRect(0, top, widget.width(), widget.height() - top), palette, true, 1);
}

}  // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

bool Frame::CaptionFits() const {
  return kCaptionIndent + fontMetrics().horizontalAdvance(title()) + kCaptionPadding <= width();
}

// Drawn here rather than by QGroupBox: the Fusion style draws a group box from an image, and
// reading the first one loads every image plugin Qt has, which costs the window a few milliseconds
// at start.
void Frame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  DrawEtchedBox(*this, painter, metrics.height() / 2);
  const QRect text(kCaptionIndent, 0, metrics.horizontalAdvance(title()), metrics.height());
  painter.fillRect(text.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0), palette().window());
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

Divider::Divider(QWidget* parent) : QWidget(parent) {
  GiveAccessibleRole(this, QAccessible::Separator);
}

void Divider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawEtchedBox(*this, painter, 0);
}

}  // namespace calvanir::ui
