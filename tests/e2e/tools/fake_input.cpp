// Sends pointer and keyboard input into the KWin session in $WAYLAND_DISPLAY through KWin's
// fake-input protocol. It stays connected while it reads its standard input, one step a line:
//   move X Y        the pointer to X,Y (logical pixels)
//   click BUTTON    press and release a pointer button (Linux code: 272 left, 273 right)
//   key CODE...     press the keys (Linux evdev codes: 28 Enter, 1 Escape, 29 left Ctrl, ...)
//                   in order, then release them in reverse order
// and answers "ok" on standard output once the compositor has taken the step, "error" for a
// step it cannot read. KWin gives the seat a pointer and a keyboard only while a fake device is
// connected, and a client learns of them a moment later: a connection per step loses input.
// Exit 0 at the end of the input, 1 when the compositor offers no fake input or goes away.
#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Globals {
    org_kde_kwin_fake_input* fake_input = nullptr;
};

void on_global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) != 0) return;
    // keyboard_key came with version 4; a compositor that offers less cannot type.
    const uint32_t wanted = version < 4 ? version : 4;
    static_cast<Globals*>(data)->fake_input = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, wanted));
}

void on_global_remove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registry_listener = {on_global, on_global_remove};

// Sends one step, a line of input; false when the line is no step.
bool send_step(org_kde_kwin_fake_input* input, const std::string& line) {
    std::istringstream words(line);
    std::string step;
    words >> step;
    if (step == "move") {
        int x = 0;
        int y = 0;
        if (!(words >> x >> y)) return false;
        org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int(x), wl_fixed_from_int(y));
    } else if (step == "click") {
        uint32_t button = 0;
        if (!(words >> button)) return false;
        org_kde_kwin_fake_input_button(input, button, WL_POINTER_BUTTON_STATE_PRESSED);
        org_kde_kwin_fake_input_button(input, button, WL_POINTER_BUTTON_STATE_RELEASED);
    } else if (step == "key") {
        std::vector<uint32_t> codes;
        for (uint32_t code = 0; words >> code;) codes.push_back(code);
        if (codes.empty()) return false;
        for (const uint32_t code : codes) org_kde_kwin_fake_input_keyboard_key(input, code, WL_KEYBOARD_KEY_STATE_PRESSED);
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            org_kde_kwin_fake_input_keyboard_key(input, *code, WL_KEYBOARD_KEY_STATE_RELEASED);
    } else {
        return false;
    }
    return words.eof();
}

}  // namespace

int main() {
    std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(wl_display_connect(nullptr),
                                                                          &wl_display_disconnect);
    if (!display) {
        std::fprintf(stderr, "fake_input: cannot connect to the Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display.get());
    wl_registry_add_listener(registry, &registry_listener, &globals);
    wl_display_roundtrip(display.get());
    if (!globals.fake_input) {
        std::fprintf(stderr, "fake_input: the compositor offers no org_kde_kwin_fake_input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(globals.fake_input, "pathnab tests", "end-to-end tests");
    for (std::string line; std::getline(std::cin, line);) {
        const bool sent = send_step(globals.fake_input, line);
        if (wl_display_roundtrip(display.get()) < 0) return 1;
        std::cout << (sent ? "ok" : "error") << std::endl;
    }
    org_kde_kwin_fake_input_destroy(globals.fake_input);
    wl_registry_destroy(registry);
    return 0;
}
