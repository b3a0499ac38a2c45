#include "frame.h"

#include <qdrawutil.h>
#include <QPainter>

namespace calvanir::ui {
namespace {

constexpr int kCaptionIndent = 6;   // pixels from the frame's left edge
constexpr int kCaptionPadding = 2;  // clear space either side of the caption on the line

}  // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setAccessibleName(caption);
}

bool Frame::CaptionFits() const {
  return kCaptionIndent + fontMetrics().horizontalAdvance(caption_) + kCaptionPadding <= width();
}

// Drawn here rather than by QGroupBox: the Fusion style draws a group box from an image, and
// reading the first one loads every image plugin Qt has, which costs the window a few milliseconds
// at start.
void Frame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const int lineTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
  qDrawShadeRect(&painter, QRect(0, lineTop, width(), height() - lineTop), palette(), true, 1);
  if (caption_.isEmpty()) return;
  const QRect text(kCaptionIndent, 0, metrics.horizontalAdvance(caption_), metrics.height());
  painter.fillRect(text.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0), palette().window());
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace calvanir::ui
