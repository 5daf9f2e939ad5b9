#pragma once

namespace pathnab {

// Which display servers answer right now: an X server at $DISPLAY, a Wayland compositor at
// $WAYLAND_DISPLAY.
struct DisplayServers {
    bool x11 = false;
    bool wayland = false;
};

DisplayServers ReachableDisplayServers();

// True when a clipboard manager owns CLIPBOARD_MANAGER on the X display: it takes over the
// clipboard's content when its owner exits.
bool X11ClipboardManagerRunning();

}  // namespace pathnab
