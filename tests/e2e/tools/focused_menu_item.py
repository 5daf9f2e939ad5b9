#!/usr/bin/python3
# usage: focused_menu_item.py [PREVIOUS]
# Waits up to 20 s for a menu item of an application on the session's accessibility bus to have
# the keyboard focus under another name than PREVIOUS, and prints that name; exits 1 when none
# does. A test steps through a menu by its items' names this way, seeing each key take effect
# before it sends the next one. An item is known by what it shows (menu_item_names.py).
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from menu_item_names import item_name  # noqa: E402


def focused_menu_item(node):
    try:
        if node.get_role() == Atspi.Role.MENU_ITEM and node.get_state_set().contains(Atspi.StateType.FOCUSED):
            return item_name(node)
        for index in range(node.get_child_count()):
            name = focused_menu_item(node.get_child_at_index(index))
            if name is not None:
                return name
    except GLib.Error:
        pass  # the menu closed while it was read
    return None


def main():
    previous = sys.argv[1] if len(sys.argv) > 1 else None
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        name = focused_menu_item(Atspi.get_desktop(0))
        if name is not None and name != previous:
            print(name)
            return 0
        time.sleep(0.2)
    return 1


sys.exit(main())
