// Sends a close request (WM_DELETE_WINDOW, what a close box sends) to the first top-level window
// titled TITLE in the moment it is mapped, on the display in $DISPLAY; with --by-manager it asks
// the window manager to close the window (_NET_CLOSE_WINDOW), as a click on its close box does.
// Usage: close_on_map [--by-manager] TITLE
//   prints "ready" once it watches; exit 0 once the request is sent, 1 after 20 s without such a
//   window, 2 on a usage or display error
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Title(xcb_connection_t* c, xcb_window_t window, xcb_atom_t utf8) {
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, Atom(c, "_NET_WM_NAME"), utf8, 0, 1024), nullptr),
        &std::free);
    if (!reply) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

void SendCloseRequest(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, bool byManager) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    if (byManager) {
        message.type = Atom(c, "_NET_CLOSE_WINDOW");
        message.data.data32[0] = XCB_CURRENT_TIME;
        message.data.data32[1] = 2;  // from a pager or the like: the user's own request
        xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    } else {
        message.type = Atom(c, "WM_PROTOCOLS");
        message.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    }
    // A round trip: the server has handled the request before this client goes. A client that
    // leaves at once may find its last requests dropped unread, when the server fails to write
    // it an event meanwhile and closes it first.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

bool Mapped(xcb_connection_t* c, xcb_window_t window) {
    ReplyPtr<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr), &std::free);
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

bool WaitForEvent(xcb_connection_t* c, std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd watched{xcb_get_file_descriptor(c), POLLIN, 0};
    return poll(&watched, 1, static_cast<int>(left.count())) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool byManager = argc == 3 && std::strcmp(argv[1], "--by-manager") == 0;
    if (argc != 2 && !byManager) {
        std::fprintf(stderr, "usage: close_on_map [--by-manager] TITLE\n");
        return 2;
    }
    const std::string title = argv[argc - 1];
    int screenNumber = 0;
    Connection connection(xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    xcb_connection_t* c = connection.get();
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "close_on_map: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    std::puts("ready");
    std::fflush(stdout);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (WaitForEvent(c, deadline)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            const auto type = event->response_type & 0x7f;
            if (type == XCB_REPARENT_NOTIFY) {
                // A manager puts the window into its frame: its mapping is then told to the
                // window's own listeners, no longer to the root's; it may be mapped already.
                const xcb_window_t window = reinterpret_cast<xcb_reparent_notify_event_t*>(event)->window;
                if (Title(c, window, utf8) != title) continue;
                const uint32_t own = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &own);
                if (Mapped(c, window)) {
                    SendCloseRequest(c, screens.data->root, window, byManager);
                    return 0;
                }
                continue;
            }
            if (type != XCB_MAP_NOTIFY) continue;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            if (Title(c, window, utf8) != title) continue;
            SendCloseRequest(c, screens.data->root, window, byManager);
            return 0;
        }
        if (xcb_connection_has_error(c)) return 2;
    }
    return 1;
}
