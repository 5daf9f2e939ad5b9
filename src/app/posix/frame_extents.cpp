#include "app/posix/frame_extents.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace pathnab {
namespace {

using XConnection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Long enough for a busy manager, short enough not to hold the window back noticeably.
constexpr std::chrono::milliseconds kPatience{500};

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Only one client may redirect the root's structure requests: the window manager. When the
// request succeeds none runs; the redirect ends with this connection.
bool WindowManagerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
    const Reply<xcb_generic_error_t> error(
        xcb_request_check(connection,
                          xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask)),
        &std::free);
    return error != nullptr;
}

std::optional<FrameExtents> ReadFrameExtents(xcb_connection_t* connection, xcb_window_t window,
                                             xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, property, XCB_ATOM_CARDINAL, 0, 4), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return FrameExtents{static_cast<int>(values[0]), static_cast<int>(values[1]), static_cast<int>(values[2]),
                        static_cast<int>(values[3])};
}

void SendFrameRequest(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, xcb_atom_t request) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

bool AwaitPropertyChange(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection), &std::free}) {
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) continue;
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
            if (change->window == window && change->atom == property) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection)) return false;
        if (poll(&descriptor, 1, static_cast<int>(left.count())) < 0) return false;
    }
}

}  // namespace

std::optional<FrameExtents> AnnouncedX11Frame(std::uint32_t window) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display || window == XCB_WINDOW_NONE) return std::nullopt;
    int screenNumber = 0;
    const XConnection connection(xcb_connect(display, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) return std::nullopt;
    const xcb_window_t root = screens.data->root;
    if (!WindowManagerRuns(connection.get(), root)) return FrameExtents{};

    const xcb_atom_t extents = Atom(connection.get(), "_NET_FRAME_EXTENTS");
    const xcb_atom_t request = Atom(connection.get(), "_NET_REQUEST_FRAME_EXTENTS");
    if (extents == XCB_ATOM_NONE || request == XCB_ATOM_NONE) return std::nullopt;
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection.get(), window, XCB_CW_EVENT_MASK, &mask);
    SendFrameRequest(connection.get(), root, window, request);
    if (!AwaitPropertyChange(connection.get(), window, extents)) return std::nullopt;
    return ReadFrameExtents(connection.get(), window, extents);
}

}  // namespace pathnab
