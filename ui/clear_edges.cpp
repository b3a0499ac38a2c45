// SPDX-License-Identifier: GPL-3.0-or-later
// A line half way between the window's colour and its text's round each control's edge, where the
// window is dark; the focused control's half way towards its highlight instead.
#include "clear_edges.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace calvanir::ui {
namespace {

QColor Between(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

enum class Shape { Box, Circle };

void DrawEdge(QPainter& painter, const QStyleOption& option, Shape shape) {
  const QColor edge = EdgeColour(option.palette, option.state & QStyle::State_HasFocus);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(edge, 1));
  const QRectF rect = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
  if (shape == Shape::Circle) {
    painter.drawEllipse(rect);
  } else {
    painter.drawRoundedRect(rect, 2, 2);
  }
  painter.restore();
}

}  // namespace

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128;
}

QColor EdgeColour(const QPalette& palette, bool focused) {
  if (focused)
    return Between(palette.color(QPalette::Highlight), palette.color(QPalette::Text), 0.4);
  return Between(palette.color(QPalette::Window), palette.color(QPalette::WindowText), 0.5);
}

ClearEdges::ClearEdges(QStyle* style) : QProxyStyle(style) {}

void ClearEdges::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (!IsDarkPalette(option->palette)) return;
  if (element == PE_IndicatorRadioButton) {
    DrawEdge(*painter, *option, Shape::Circle);
  } else if (element == PE_PanelButtonCommand) {
    DrawEdge(*painter, *option, Shape::Box);
  } else if (element == PE_PanelLineEdit) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (frame && frame->lineWidth > 0) DrawEdge(*painter, *option, Shape::Box);
  }
}

void ClearEdges::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (!IsDarkPalette(option->palette)) return;
  if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
      control == CC_ComboBox && combo && combo->frame)
    DrawEdge(*painter, *option, Shape::Box);
  if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
      control == CC_SpinBox && spin && spin->frame)
    DrawEdge(*painter, *option, Shape::Box);
}

void DrawClearEdges() {
  if (qobject_cast<ClearEdges*>(QApplication::style())) return;
  QStyle* style = QStyleFactory::create(QApplication::style()->name());
  if (!style) return;
  // Every colour set explicitly, or Qt would fill them in from the new style's own palette.
  QPalette palette = QApplication::palette();
  palette.setResolveMask(~QPalette::ResolveMask{0});
  auto* edges = new ClearEdges(style);
  edges->setParent(qApp);  // the application's, as setStyle would make it
  QApplication::setStyle(edges);
  QApplication::setPalette(palette);
}

}  // namespace calvanir::ui
