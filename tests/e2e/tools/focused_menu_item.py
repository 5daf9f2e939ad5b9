#!/usr/bin/python3
# usage: focused_menu_item.py KEY
# Presses KEY (with xdotool) and waits up to 20 s for a menu item of an application on the
# session's accessibility bus to take the keyboard focus, and prints that item's name; exits 1
# when none does. A test steps through a menu by its items' names this way, seeing each key take
# effect before it sends the next one. The focus is learnt from the toolkit's focus event,
# listened for before the key goes out: Qt leaves its popup menus out of the application's
# tree of objects, so no search of that tree finds their items.
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def main():
    loop = GLib.MainLoop()
    names = []

    def on_focus(event):
        try:
            if event.detail1 and event.source.get_role() == Atspi.Role.MENU_ITEM:
                names.append(event.source.get_name())
                loop.quit()
        except GLib.Error:
            pass  # the menu closed while it was read

    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    subprocess.run(["xdotool", "key", sys.argv[1]], check=True)
    GLib.timeout_add_seconds(20, loop.quit)
    loop.run()
    if not names:
        return 1
    print(names[0])
    return 0


sys.exit(main())
