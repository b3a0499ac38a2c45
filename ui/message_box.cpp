// SPDX-License-Identifier: GPL-3.0-or-later
// The message box, with the keys that press its one button.
#include "message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "fixed_size.h"
#include "product.h"
#include "wayland_dialog.h"

namespace calvanir::ui {

void ShowMessageBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kProductName), text, QMessageBox::Ok,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  KeepNormalSize(box);
  ShowAsDialogOfItsWindow(box);
  box.exec();
}

}  // namespace calvanir::ui
