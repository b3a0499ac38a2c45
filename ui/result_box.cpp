// SPDX-License-Identifier: GPL-3.0-or-later
// A result box's view and selection as the focus comes and goes.
#include "result_box.h"

#include <QFocusEvent>

namespace calvanir::ui {

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    setToolTip(text);
    setCursorPosition(0);
  });
}

// Tab selects the whole text with the caret, and so the view, at its end: select it from the end
// instead.
void ResultBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const int length = static_cast<int>(text().size());
  if (hasSelectedText() && selectedText() == text()) setSelection(length, -length);
}

// A selection survives a menu or another window, for its Copy; otherwise back to the start.
void ResultBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
    setCursorPosition(0);
}

}  // namespace calvanir::ui
