// SPDX-License-Identifier: GPL-3.0-or-later
// What the Qt this program is built against can do, decided here alone: Debian 12 has Qt 6.4, 13
// has 6.8 and unstable 6.11, and each difference among them is one function below that every other
// file asks.
#pragma once

#include <functional>

class QObject;
class QString;
struct wl_display;

namespace calvanir::ui {

// Whether Qt itself tells a screen reader of news (from 6.8 on); before, a widget stands in.
bool QtSendsAnnouncements();

// Has a screen reader hear `text`, sent by `source`, where QtSendsAnnouncements().
void SendAnnouncement(QObject* source, const QString& text);

// The display of Qt's Wayland client; nullptr on any other platform. Before Qt 6.5, only Qt's
// private interface gives it (the build says so in CALVANIR_QT_PRIVATE).
wl_display* QtWaylandDisplay();

// Runs `dark` with whether the desktop asks for dark colours, now where Qt knows it and at every
// change, for as long as `context` lives. From Qt 6.5 on; before, Qt reads no colour scheme.
void FollowQtColorScheme(QObject* context, const std::function<void(bool dark)>& dark);

}  // namespace calvanir::ui
