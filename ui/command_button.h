// SPDX-License-Identifier: GPL-3.0-or-later
// A button that runs a command: Enter presses it while it has the focus, as Space does, without
// making it a default button, so that Enter anywhere else keeps its own meaning.
#pragma once

#include <QPushButton>

namespace calvanir::ui {

class CommandButton : public QPushButton {
 public:
  CommandButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace calvanir::ui
