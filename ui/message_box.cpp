// SPDX-License-Identifier: GPL-3.0-or-later
// The message box, with the keys that press its one button.
#include "message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "fixed_size.h"
#include "product.h"

namespace calvanir::ui {

void ShowMessageBox(QWidget* parent, const QString& text) {
  // A dialog of its window, which it is shown over and blocks alone, with nothing to minimize or
  // maximize: a message minimized would leave its window blocked behind it.
  QMessageBox box(
      QMessageBox::NoIcon, QString::fromLatin1(kProductName), text, QMessageBox::Ok, parent,
      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  box.setWindowModality(Qt::WindowModal);
  KeepNormalSize(box);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace calvanir::ui
