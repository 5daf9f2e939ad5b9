# Pathnab's item in GNOME Files' context menu. The path goes to the program as one argument
# of its own (no shell), byte for byte: GLib hands names as file-system strings.
import shutil
import subprocess

from gi.repository import GObject, Nautilus


class PathnabMenu(GObject.GObject, Nautilus.MenuProvider):
    def get_file_items(self, *args):
        files = args[-1]
        if len(files) != 1 or files[0].get_location().get_path() is None:
            return []
        item = Nautilus.MenuItem(name="Pathnab::copy_path", label="Pathnab",
                                 tip="Copy this file's path in one of several forms", icon="pathnab")
        item.connect("activate", self._start, files[0])
        return [item]

    def _start(self, _item, file):
        program = shutil.which("pathnab")
        if program:
            subprocess.Popen([program, file.get_location().get_path()], start_new_session=True)
