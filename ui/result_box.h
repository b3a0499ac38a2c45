// SPDX-License-Identifier: GPL-3.0-or-later
// A box that shows a result: read-only, and showing its text from the first character whenever it
// is not in use, so that the sign and every digit stay in view where the text is wider than the box
// (the suffix may be cut). The tooltip holds the whole text.
#pragma once

#include <QLineEdit>

namespace calvanir::ui {

class ResultBox : public QLineEdit {
 public:
  explicit ResultBox(QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace calvanir::ui
