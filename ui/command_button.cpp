// SPDX-License-Identifier: GPL-3.0-or-later
// A command button that Enter presses while it has the focus.
#include "command_button.h"

#include <QKeyEvent>

namespace calvanir::ui {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) return click();
  QPushButton::keyPressEvent(event);
}

}  // namespace calvanir::ui
