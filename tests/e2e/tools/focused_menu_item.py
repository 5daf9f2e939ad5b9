#!/usr/bin/python3
# usage: focused_menu_item.py KEY
# Presses KEY (with xdotool) and waits up to 20 s for a menu item of an application on the
# session's accessibility bus to take the keyboard focus, and prints that item's name; exits 1
# when none does. A test steps through a menu by its items' names this way, seeing each key take
# effect before it sends the next one. The focus is learnt from the toolkit's focus event,
# listened for before the key goes out: Qt leaves its popup menus out of the application's
# tree of objects, so no search of that tree finds their items. An item whose own name is empty
# (GTK 4.18's popover menus, in Nautilus 48) is known by the text of the label it is labelled
# by, which is what it shows.
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def item_name(item):
    name = item.get_name()
    if name:
        return name
    for relation in item.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            labels = (relation.get_target(index) for index in range(relation.get_n_targets()))
            return " ".join(Atspi.Text.get_text(label, 0, -1) for label in labels)
    return name


def main():
    loop = GLib.MainLoop()
    names = []

    def on_focus(event):
        try:
            if event.detail1 and event.source.get_role() == Atspi.Role.MENU_ITEM:
                names.append(item_name(event.source))
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
