#!/usr/bin/python3
# usage: shell_eval.py CODE
# Runs JavaScript inside the session bus's GNOME Shell (org.gnome.Shell.Eval, which only
# --unsafe-mode opens) and prints its value: a string as it is, anything else as JSON. Exits 1
# when the code threw or the shell did not answer within 10 s.
import json
import sys

from gi.repository import Gio, GLib


def main():
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        reply = bus.call_sync("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                              GLib.Variant("(s)", (sys.argv[1],)), GLib.VariantType("(bs)"),
                              Gio.DBusCallFlags.NONE, 10000, None)
    except GLib.Error as error:
        print(error.message, file=sys.stderr)
        return 1
    succeeded, result = reply.unpack()
    if not succeeded:
        print(result, file=sys.stderr)
        return 1
    value = json.loads(result) if result else None
    print(value if isinstance(value, str) else json.dumps(value))
    return 0


sys.exit(main())
