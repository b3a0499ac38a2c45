// SPDX-License-Identifier: GPL-3.0-or-later
// The window's frames: a captioned frame, an etched box whose caption sits on its top edge and
// which groups the controls inside it, and the uncaptioned divider between the two tools.
#pragma once

#include <QGroupBox>
#include <QString>
#include <QWidget>

namespace calvanir::ui {

// A QGroupBox, so that a screen reader announces its caption as the group the focus enters, drawn
// by hand.
class Frame : public QGroupBox {
  Q_OBJECT

 public:
  explicit Frame(const QString& caption, QWidget* parent = nullptr);

  QString Caption() const { return title(); }
  // Whether the caption shows whole on the top edge in the current font.
  bool CaptionFits() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// An etched line between the tools; a separator, not a group, to a screen reader.
class Divider : public QWidget {
  Q_OBJECT

 public:
  explicit Divider(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace calvanir::ui
