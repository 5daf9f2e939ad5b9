#!/usr/bin/python3
# usage: list_row_place.py PID CAPTION
# Prints "X Y WIDTH HEIGHT": the middle of the list row whose first cell reads CAPTION, in the
# window of process PID, as read through the session's accessibility bus, and the size of that
# window's own area (without any frame around it); X and Y count from that area's top left.
# A row's height and the list's place change with the toolkit's release and style; the row
# found by its caption is where it is drawn. Waits up to 20 s for the window to be readable.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WINDOW = Atspi.CoordType.WINDOW
TABLES = (Atspi.Role.TREE, Atspi.Role.TREE_TABLE, Atspi.Role.TABLE, Atspi.Role.LIST)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(node):
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield child
            yield from descendants(child)


def row_place(pid, caption):
    """The answer's numbers, or None while the window or the row is not there."""
    app = application(pid)
    if app is None or app.get_child_count() == 0:
        return None
    window = app.get_child_at_index(0)
    for node in descendants(window):
        if node.get_role() not in TABLES or "Table" not in node.get_interfaces():
            continue
        for row in range(node.get_n_rows()):
            cell = node.get_accessible_at(row, 0)
            if cell is not None and cell.get_name() == caption:
                place = cell.get_extents(WINDOW)
                size = window.get_extents(WINDOW)
                if place.height <= 0 or size.height <= 0:
                    return None
                return (place.x + place.width // 2, place.y + place.height // 2, size.width, size.height)
    return None



def main():
    pid, caption = int(sys.argv[1]), sys.argv[2]
    for _ in range(100):
        try:
            place = row_place(pid, caption)
        except GLib.Error:
            place = None  # the window changed while it was read
        if place is not None:
            print(*place)
            return 0
        time.sleep(0.2)
    print(f"no list row '{caption}' in the window of process {pid}", file=sys.stderr)
    return 1


sys.exit(main())
