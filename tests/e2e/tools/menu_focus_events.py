#!/usr/bin/python3
# usage: menu_focus_events.py
# Prints "ready" once it listens, then what each menu item that gains the keyboard focus in an
# application on the session's accessibility bus shows (menu_item_names.py), one a line, until
# it is ended. Qt leaves its popup menus out of an application's accessible children, so
# focused_menu_item.py cannot find their items in the tree; the focus events still name them.
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from menu_item_names import item_name  # noqa: E402


def on_focus(event):
    try:
        if event.detail1 == 1 and event.source.get_role() == Atspi.Role.MENU_ITEM:
            print(item_name(event.source), flush=True)
    except GLib.Error:
        pass  # the menu closed while it was read


def main():
    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    print("ready", flush=True)
    GLib.MainLoop().run()


main()
