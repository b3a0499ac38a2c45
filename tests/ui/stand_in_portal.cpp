// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in Settings portal as a process of its own, for tests of the built program:
//
//   stand_in_portal SCHEME
//
// answers each read of the colour scheme with SCHEME, then emits SettingChanged with each scheme
// read from standard input, one a line. A scheme is "u:N", the uint32 that the portal documents, or
// "s:TEXT", a string of the wrong type. Prints "ready" once it owns the portal's name, "answered"
// after each read and "sent" once a change has left for the bus; ends at the end of its input.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <iostream>
#include <string>

#include "stand_in_portal.h"

namespace {

QVariant Scheme(const QString& text) {
  const QString value = text.mid(2);
  if (text.startsWith(QLatin1String("u:"))) return value.toUInt();
  if (text.startsWith(QLatin1String("s:"))) return value;
  qFatal("stand_in_portal: a scheme is u:N or s:TEXT, not %s", qPrintable(text));
}

void Say(const char* word) {
  std::puts(word);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) qFatal("usage: stand_in_portal SCHEME");
  StandInPortal portal;
  portal.scheme = Scheme(QString::fromLocal8Bit(argv[1]));
  QObject::connect(&portal, &StandInPortal::Answered, [] { Say("answered"); });
  if (!portal.Register()) qFatal("stand_in_portal: the portal's name is taken");
  Say("ready");

  QSocketNotifier input(fileno(stdin), QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    std::string line;
    if (!std::getline(std::cin, line)) return QCoreApplication::quit();
    portal.Change(Scheme(QString::fromStdString(line)));
    portal.bus.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                   "org.freedesktop.DBus.Peer", "Ping"));
    Say("sent");
  });
  return app.exec();
}
