// SPDX-License-Identifier: GPL-3.0-or-later
// The window's look on the user's desktop: the user's style wherever the fixed layout shows every
// text whole in it, and the user's colours always.
#pragma once

#include <QObject>
#include <QPalette>
#include <memory>
#include <optional>

class QDBusVariant;
class QWidget;

namespace calvanir::ui {

class Form1;

// A dark palette whose every text stands at least 4.5:1 against its background.
QPalette DarkPalette();

// Follows the desktop's dark style where Qt gives no dark palette itself: the Settings portal's
// colour scheme (1 for dark), read at start without waiting for the answer and followed as it
// changes; from Qt 6.5 on, Qt's own reading as well, wherever the platform theme has one. Where the
// portal or the session bus is missing, nothing changes and nothing is printed.
class DesktopColorScheme : public QObject {
  Q_OBJECT

 public:
  explicit DesktopColorScheme(QObject* parent);

 private slots:
  void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

 private:
  void Follow(QVariant scheme);
  void FollowDark(bool dark);

  std::optional<QPalette> ownPalette_;  // the palette the dark one stands in for, while it does
};

// Gives the window its icon in every size from 16 to 256 pixels, for title bars, task switchers
// and docks at any scale, once the window has painted its first frame: decoding them first would
// delay it.
void SharpenWindowIcon(QWidget& window);

// The window in the user's style; or, where that style's frames and paddings leave the fixed
// layout too little room even at the smallest readable size, in Fusion, whose are small, with the
// palette that the user's style or platform theme gives, so that a dark style stays dark. Made
// anew after the change: a style leaves its marks on the widgets it has polished. Dark where the
// desktop asks for dark.
std::unique_ptr<Form1> NewWindow();

}  // namespace calvanir::ui
