// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop's Settings portal, on a connection of its own to the session bus: it
// answers Read, ReadOne and ReadAll for the colour scheme, as version 2 of the interface does, and
// emits SettingChanged; any other setting it does not hold. The scheme is held as a
// variant so that a portal answering with the wrong type can be played too.
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QObject>

class StandInPortal : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
  Q_PROPERTY(uint version READ Version)

 public:
  QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
  QVariant scheme = 1u;  // dark

  bool Register() {
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    return bus.registerService("org.freedesktop.portal.Desktop") &&
           bus.registerObject(
               "/org/freedesktop/portal/desktop", this,
               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
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
  uint Version() const { return 2; }
  // Read, which the portal keeps for older clients, wraps the value in a variant once more.
  QDBusVariant Read(const QString& group, const QString& key) {
    return QDBusVariant(QVariant::fromValue(ReadOne(group, key)));
  }
  QDBusVariant ReadOne(const QString& group, const QString& key) {
    if (group != "org.freedesktop.appearance" || key != "color-scheme") {
      sendErrorReply("org.freedesktop.portal.Error.NotFound", "Requested setting not found");
      return {};
    }
    emit Answered();
    return QDBusVariant(scheme);
  }
  // Qt's GTK theme asks for the whole group at once.
  QMap<QString, QVariantMap> ReadAll(const QStringList&) {
    emit Answered();
    return {{"org.freedesktop.appearance", {{"color-scheme", scheme}}}};
  }
};
