// SPDX-License-Identifier: GPL-3.0-or-later
// The event filter that hands a text box's keys to its key-down handler.
#include "key_down.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "virtual_keys.h"

namespace calvanir::ui {
namespace {

class KeyDownFilter : public QObject {
 public:
  KeyDownFilter(QObject* parent, std::function<bool(KeyCode)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    // X11 and Wayland report the context-menu key twice: first as a request for the context menu,
    // then as the key itself. The key is answered like any other; the request is dropped, or its
    // menu would take the key. A right click still opens the menu, for its Copy.
    if (event->type() == QEvent::ContextMenu)
      return static_cast<const QContextMenuEvent&>(*event).reason() != QContextMenuEvent::Mouse;
    // Every key but the focus keys is the box's to answer, the window's shortcuts (Ctrl+Q) too:
    // claimed before Qt would trigger one, so that it arrives as a key press.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
      return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (IsFocusKey(key)) return false;
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();
      return true;
    }
    return !handler_(VirtualKeyOf(key));
  }

 private:
  std::function<bool(KeyCode)> handler_;
};

}  // namespace

void OnKeyDown(QLineEdit* box, std::function<bool(KeyCode)> handler) {
  box->installEventFilter(new KeyDownFilter(box, std::move(handler)));
}

}  // namespace calvanir::ui
