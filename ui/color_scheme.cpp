// SPDX-License-Identifier: GPL-3.0-or-later
// The dark palette, and the desktop's colour scheme read from Qt and from the Settings portal.
#include "color_scheme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFileInfo>

#include "clear_edges.h"
#include "qt_version.h"

namespace calvanir::ui {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");
constexpr uint kPreferDark = 1;

}  // namespace

QPalette DarkPalette() {
  const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee),
      dimmed(0x8c, 0x8c, 0x8c);
  QPalette palette(QColor(0x3a, 0x3a, 0x3a), window);  // the frames' shades from the button's
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const QColor& ink = group == QPalette::Disabled ? dimmed : text;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::ToolTipText, QPalette::HighlightedText})
      palette.setColor(group, role, ink);
    palette.setColor(group, QPalette::Base, base);
    palette.setColor(group, QPalette::AlternateBase, window);
    palette.setColor(group, QPalette::ToolTipBase, window);
    palette.setColor(group, QPalette::PlaceholderText, dimmed);
    palette.setColor(group, QPalette::Highlight, QColor(0x2a, 0x5d, 0xa8));
    palette.setColor(group, QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
  }
  return palette;
}

DesktopColorScheme::DesktopColorScheme(QObject* parent) : QObject(parent) {
  // Follow Qt's platform theme wherever it knows the desktop's scheme (Qt 6.8's GTK theme reads the
  // portal itself), and its changes. The portal, where one answers, still has the last word at
  // start: Qt 6.11's GTK theme reports a light scheme at start where the portal asks for dark.
  FollowQtColorScheme(this, [this](bool dark) { FollowDark(dark); });
  // Without a session bus to find (its address, or systemd's socket), starting Qt's D-Bus
  // machinery would cost the start a thread and most of a megabyte for nothing.
  if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
      !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
    return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // Qt D-Bus matches the slot by its argument types' names, which it knows only once registered;
  // until then the connection fails and the window never hears of a change.
  qRegisterMetaType<QDBusVariant>();
  [[maybe_unused]] const bool following =
      bus.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                  SLOT(SettingChanged(QString, QString, QDBusVariant)));
  Q_ASSERT_X(following, "DesktopColorScheme", "no slot for the portal's SettingChanged");
  QDBusMessage read =
      QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
  read << kAppearance << kColorScheme;
  auto* reply = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
  connect(reply, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> scheme = *call;
    if (scheme.isValid()) Follow(scheme.value().variant());
  });
}

void DesktopColorScheme::SettingChanged(const QString& group, const QString& key,
                                        const QDBusVariant& value) {
  if (group == kAppearance && key == kColorScheme) Follow(value.variant());
}

void DesktopColorScheme::Follow(QVariant scheme) {
  // Read answers with the value wrapped in a variant once more.
  while (scheme.metaType() == QMetaType::fromType<QDBusVariant>())
    scheme = scheme.value<QDBusVariant>().variant();
  // The portal documents a uint32; anything else is no answer, not a number to convert.
  if (scheme.metaType() == QMetaType::fromType<uint>()) FollowDark(scheme.toUInt() == kPreferDark);
}

void DesktopColorScheme::FollowDark(bool dark) {
  if (dark && !ownPalette_ && !IsDarkPalette(QApplication::palette())) {
    ownPalette_ = QApplication::palette();
    QApplication::setPalette(DarkPalette());
  } else if (!dark && ownPalette_) {
    QApplication::setPalette(*ownPalette_);
    ownPalette_.reset();
  }
}

}  // namespace calvanir::ui
