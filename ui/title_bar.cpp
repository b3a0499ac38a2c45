// SPDX-License-Identifier: GPL-3.0-or-later
// _GTK_THEME_VARIANT on each window, through Qt's own connection to the X server.
#include "title_bar.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

#include "clear_edges.h"

namespace calvanir::ui {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

class ThemeVariant : public QObject {
 public:
  ThemeVariant(QObject* parent, xcb_connection_t* connection)
      : QObject(parent),
        connection_(connection),
        variant_(Atom(connection, "_GTK_THEME_VARIANT")),
        utf8_(Atom(connection, "UTF8_STRING")) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show && event->type() != QEvent::PaletteChange) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow() || !window->testAttribute(Qt::WA_WState_Created))
      return false;
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (IsDarkPalette(window->palette())) {
      constexpr char kDark[] = "dark";
      xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, id, variant_, utf8_, 8,
                          sizeof kDark - 1, kDark);
    } else {
      xcb_delete_property(connection_, id, variant_);
    }
    xcb_flush(connection_);
    return false;
  }

 private:
  xcb_connection_t* connection_;
  xcb_atom_t variant_, utf8_;
};

}  // namespace

void TellTitleBarsTheirColours() {
  static bool told = false;  // one filter for every window, however many are made
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (told || !x11 || !x11->connection()) return;
  qApp->installEventFilter(new ThemeVariant(qApp, x11->connection()));
  told = true;
}

}  // namespace calvanir::ui
