// Tells whether an X selection has an owner on the display in $DISPLAY.
// Usage: selection_owner NAME      exit 0 when owned, 1 when not, 2 on a usage or display error
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: selection_owner NAME\n");
        return 2;
    }
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                           &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "selection_owner: cannot open the display\n");
        return 2;
    }
    const auto length = static_cast<uint16_t>(std::strlen(argv[1]));
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection.get(), xcb_intern_atom(connection.get(), 1, length, argv[1]), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return 1;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection.get(), xcb_get_selection_owner(connection.get(), atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE ? 0 : 1;
}
