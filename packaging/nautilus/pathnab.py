# Pathnab's item in GNOME Files' context menu. Pathnab is started through its desktop entry with
# GNOME Files' launch context, as the desktop starts applications: the desktop then hands it a
# startup or activation token, and its window gets the keyboard at once. GLib passes the path as
# one argument of its own (no shell), byte for byte, as a file-system string.
from gi.repository import Gio, GObject, Nautilus

try:
    from gi.repository import Gdk
except ImportError:  # no GDK bindings: the launch works without a token
    Gdk = None

DESKTOP_ENTRY = "pathnab.desktop"


def _launch_context():
    display = Gdk.Display.get_default() if Gdk else None
    return display.get_app_launch_context() if display else Gio.AppLaunchContext()


class PathnabMenu(GObject.GObject, Nautilus.MenuProvider):
    def get_file_items(self, *args):
        files = args[-1]
        if len(files) != 1 or files[0].get_location().get_path() is None:
            return []
        if Gio.DesktopAppInfo.new(DESKTOP_ENTRY) is None:
            return []
        item = Nautilus.MenuItem(name="Pathnab::copy_path", label="Pathnab",
                                 tip="Copy this file's path in one of several forms", icon="pathnab")
        item.connect("activate", self._start, files[0])
        return [item]

    def _start(self, _item, file):
        program = Gio.DesktopAppInfo.new(DESKTOP_ENTRY)
        if program:
            program.launch([file.get_location()], _launch_context())
