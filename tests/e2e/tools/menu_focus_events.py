#!/usr/bin/python3
# usage: menu_focus_events.py
# Prints the name of each menu item that gets the keyboard focus in any application on the
# session's accessibility bus, one line each, as it happens, until ended. A test steps through
# a menu by its items' names this way, seeing each key take effect before it sends the next one,
# without walking the applications' trees (slow over the bus).
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def on_focus(event):
    if event.detail1 != 1:
        return
    try:
        if event.source.get_role() == Atspi.Role.MENU_ITEM:
            print(event.source.get_name(), flush=True)
    except GLib.Error:
        pass  # the menu closed while it was read


listener = Atspi.EventListener.new(on_focus)
listener.register("object:state-changed:focused")
print("", flush=True)  # listening
Atspi.event_main()
