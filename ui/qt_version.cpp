// SPDX-License-Identifier: GPL-3.0-or-later
// Each difference between the Qt versions, answered once.
#include "qt_version.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QStyleHints>
#include <QtGlobal>
#if CALVANIR_QT_PRIVATE
#include <qpa/qplatformnativeinterface.h>
#endif

namespace calvanir::ui {

bool QtSendsAnnouncements() {
  return QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
}

void SendAnnouncement([[maybe_unused]] QObject* source, [[maybe_unused]] const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(source, text);
  QAccessible::updateAccessibility(&announcement);
#endif
}

wl_display* QtWaylandDisplay() {
  if (!qGuiApp || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    return nullptr;
#if CALVANIR_QT_PRIVATE
  return static_cast<wl_display*>(
      QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
#else
  auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>();
  return wayland ? wayland->display() : nullptr;
#endif
}

void FollowQtColorScheme([[maybe_unused]] QObject* context,
                         [[maybe_unused]] const std::function<void(bool dark)>& dark) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  const QStyleHints* hints = QGuiApplication::styleHints();
  QObject::connect(hints, &QStyleHints::colorSchemeChanged, context,
                   [dark](Qt::ColorScheme scheme) { dark(scheme == Qt::ColorScheme::Dark); });
  if (hints->colorScheme() != Qt::ColorScheme::Unknown)
    dark(hints->colorScheme() == Qt::ColorScheme::Dark);
#endif
}

}  // namespace calvanir::ui
