// SPDX-License-Identifier: GPL-3.0-or-later
// The window's colours: the user's always, and dark where the desktop asks for dark even where Qt
// gives no dark palette itself.
#pragma once

#include <QObject>
#include <QPalette>
#include <optional>

class QDBusVariant;

namespace calvanir::ui {

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

}  // namespace calvanir::ui
