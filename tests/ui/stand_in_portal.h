// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's Settings portal, on a connection of its own to the session bus: it
// answers Read and ReadAll for the colour scheme and emits SettingChanged. The scheme is held as a
// variant so that a portal answering with the wrong type can be played too.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QObject>

class StandInPortal : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

 public:
  QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
  QVariant scheme = 1u;  // dark

  bool Register() {
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    return bus.registerService("org.freedesktop.portal.Desktop") &&
           bus.registerObject("/org/freedesktop/portal/desktop", this,
                              QDBusConnection::ExportAllSlots);
  }
  void Change(const QVariant& value) {
    scheme = value;
    bus.send(QDBusMessage::createSignal("/org/freedesktop/portal/desktop",
                                        "org.freedesktop.portal.Settings", "SettingChanged")
             << "org.freedesktop.appearance"
             << "color-scheme" << QVariant::fromValue(QDBusVariant(value)));
  }

 signals:
  void Answered();

 public slots:
  // The portal wraps the value in a variant once more.
  QDBusVariant Read(const QString&, const QString&) {
    emit Answered();
    return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
  }
  // Qt's GTK theme asks for the whole group at once.
  QMap<QString, QVariantMap> ReadAll(const QStringList&) {
    emit Answered();
    return {{"org.freedesktop.appearance", {{"color-scheme", scheme}}}};
  }
};
