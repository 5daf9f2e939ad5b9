#pragma once

namespace pathnab {

// True when the Wayland session runs a program that keeps the clipboard's text once its owner
// has exited and that reads every new text as soon as it is copied: GNOME Shell (mutter keeps the
// text itself) or KDE's Klipper. Sway and bare compositors keep nothing.
bool WaylandClipboardKeeperRunning();

}  // namespace pathnab
