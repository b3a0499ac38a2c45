// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one kind of message: modal, captioned "Calvanir", the text, no icon, one OK button
// that Enter, Space and Escape all press.
#pragma once

#include <QString>

class QWidget;

namespace calvanir::ui {

// Returns when the user has dismissed the message.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace calvanir::ui
