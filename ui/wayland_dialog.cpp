// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME's gtk_shell1 on Qt's own connection to the compositor, asked on a queue of our own so that
// the answer is there before the box's first frame.
#include "wayland_dialog.h"

#include <QWidget>

#if CALVANIR_QT_PRIVATE
#include <wayland-client.h>

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
#include <QWindow>
#include <cstring>

#include <gtk-shell-client-protocol.h>
#include "qt_version.h"
#endif

namespace calvanir::ui {

#if CALVANIR_QT_PRIVATE
namespace {

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
            uint32_t /*version*/) {
  if (std::strcmp(interface, gtk_shell1_interface.name) == 0)
    *static_cast<gtk_shell1**>(data) =
        static_cast<gtk_shell1*>(wl_registry_bind(registry, name, &gtk_shell1_interface, 1));
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
constexpr wl_registry_listener kRegistryListener = {&Global, &GlobalRemove};

// Marks the surface modal once the compositor knows it as a window and before it shows anything of
// it: the compositor places a window, and attaches a dialog to its parent, at its first frame.
class ModalOnFirstExpose : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Expose) return false;
    watched->removeEventFilter(this);
    auto* surface = static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
            "surface", static_cast<QWindow*>(watched)));
    if (surface) SetModal(surface);
    return false;
  }

 private:
  static void SetModal(wl_surface* surface) {
    wl_display* display = QtWaylandDisplay();
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* ours = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(ours), queue);
    wl_registry* registry = wl_display_get_registry(ours);
    gtk_shell1* shell = nullptr;
    wl_registry_add_listener(registry, &kRegistryListener, &shell);
    wl_display_roundtrip_queue(display, queue);
    if (shell) {
      gtk_surface1* dialog = gtk_shell1_get_gtk_surface(shell, surface);
      gtk_surface1_set_modal(dialog);
      // The compositor keeps the mark for as long as the surface lives.
      gtk_surface1_destroy(dialog);
      gtk_shell1_destroy(shell);
      wl_display_flush(display);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(ours);
    wl_event_queue_destroy(queue);
  }
};

}  // namespace

void ShowAsDialogOfItsWindow(QWidget& box) {
  if (!QtWaylandDisplay() || !box.parentWidget()) return;
  box.winId();  // its window, to be watched, before it is shown
  box.windowHandle()->installEventFilter(new ModalOnFirstExpose(&box));
}
#else
void ShowAsDialogOfItsWindow(QWidget& /*box*/) {}
#endif

}  // namespace calvanir::ui
