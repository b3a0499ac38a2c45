// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader needs beyond Qt's stock interfaces: text boxes whose text it can read, and
// news it hears without the focus moving.
#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

class QLineEdit;

namespace calvanir::ui {

// Installs, once, the interfaces that follow. Every single-line text box gets one of ours: Qt 6.4's
// own one tells a screen reader that no run of text attributes covers the text, and Orca then reads
// an empty line on focus; and its search for a word or sentence at the end of the text never
// returns, which freezes the program. Not an editable-text interface: text reaches the boxes only
// through their key and change guards.
void InstallAccessibleInterfaces();

// Gives `widget` the role a screen reader knows it by, where its class carries none of its own:
// the window is a window, not a bare widget; the status bar what "read the status bar" finds.
void GiveAccessibleRole(QWidget* widget, QAccessible::Role role);

// Where a screen reader hears news from the window without the focus moving to it: a notification
// in the status bar, without size, so that nothing on the screen changes.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* statusBar);

  // Has a screen reader speak `text` once.
  void Announce(const QString& text);
};

}  // namespace calvanir::ui
