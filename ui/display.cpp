// SPDX-License-Identifier: GPL-3.0-or-later
// Whether an X server or a Wayland compositor answers, asked without Qt.
#include "display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "product.h"

namespace calvanir::ui {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The platforms Qt tries in turn, without their arguments: QT_QPA_PLATFORM's list, or else Wayland
// where a compositor is named or the session is a Wayland one, GNOME's too, and X11 after it.
std::vector<std::string> PlatformsToTry() {
  std::string list = Environment("QT_QPA_PLATFORM");
  if (list.empty()) {
    const bool wayland =
        !Environment("WAYLAND_DISPLAY").empty() || Environment("XDG_SESSION_TYPE") == "wayland";
    list = wayland ? "wayland;xcb" : "xcb";
  }
  std::vector<std::string> platforms;
  for (std::size_t start = 0; start <= list.size();) {
    std::size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    const std::string entry = list.substr(start, end - start);
    if (!entry.empty()) platforms.push_back(entry.substr(0, entry.find(':')));
    start = end + 1;
  }
  return platforms;
}

// Empty when an X server answers at DISPLAY; else what was not found.
std::optional<std::string> X11Problem() {
  const std::string display = Environment("DISPLAY");
  if (display.empty()) return "no X server (DISPLAY is not set)";
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool reached = !xcb_connection_has_error(connection);
  xcb_disconnect(connection);
  if (reached) return std::nullopt;
  return "no X server at " + display;
}

// Empty when a Wayland compositor listens on its socket; else what was not found.
std::optional<std::string> WaylandProblem() {
  if (!Environment("WAYLAND_SOCKET").empty()) return std::nullopt;  // handed over already open
  std::string name = Environment("WAYLAND_DISPLAY");
  if (name.empty()) name = "wayland-0";
  std::string path = name;
  if (name.front() != '/') {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return "no Wayland compositor (XDG_RUNTIME_DIR is not set)";
    path = runtime + '/' + name;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  bool reached = false;
  if (path.size() < sizeof address.sun_path) {
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    reached = socket >= 0 &&
              ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) ::close(socket);
  }
  if (reached) return std::nullopt;
  return "no Wayland compositor at " + name;
}

}  // namespace

std::optional<std::string> DisplayProblem() {
  std::string tried;
  for (const std::string& platform : PlatformsToTry()) {
    std::optional<std::string> problem;
    if (platform == "xcb") {
      problem = X11Problem();
    } else if (platform.rfind("wayland", 0) == 0) {
      problem = WaylandProblem();
    } else {
      return std::nullopt;
    }
    if (!problem) return std::nullopt;
    if (tried.find(*problem) != std::string::npos) continue;  // "wayland;wayland-egl"
    tried += (tried.empty() ? "" : " and ") + *problem;
  }
  if (tried.empty()) return std::nullopt;
  return std::string{kProductName} + " could not open a window: " + tried + ".";
}

}  // namespace calvanir::ui
