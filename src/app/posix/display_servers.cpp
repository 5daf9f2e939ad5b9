#include "app/posix/display_servers.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace pathnab {
namespace {

using XConnection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

XConnection ConnectX() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return {nullptr, &xcb_disconnect};
    XConnection connection(xcb_connect(display, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) return {nullptr, &xcb_disconnect};
    return connection;
}

std::string WaylandSocketPath() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) return {};
    if (name[0] == '/') return name;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return {};
    return std::string(runtime) + "/" + name;
}

bool WaylandAnswers() {
    const std::string path = WaylandSocketPath();
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

}  // namespace

DisplayServers ReachableDisplayServers() { return {ConnectX() != nullptr, WaylandAnswers()}; }

bool X11ClipboardManagerRunning() {
    const XConnection connection = ConnectX();
    if (!connection) return false;
    static constexpr char kName[] = "CLIPBOARD_MANAGER";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection.get(), xcb_intern_atom(connection.get(), 1, sizeof kName - 1, kName),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection.get(), xcb_get_selection_owner(connection.get(), atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

}  // namespace pathnab
