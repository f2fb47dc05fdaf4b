"""A desktop's portal back-end for the colour pick, driven by the test that starts it.

It serves org.freedesktop.impl.portal.Screenshot, as a desktop's back-end
does for the portal frontend (xdg-desktop-portal), under the bus name given,
and holds every pick until the test says how it ends. (The frontend asks the
Access back-end nothing for a colour pick; it only needs one named.) Over its
standard output it says:

  ready           once it owns the name
  pick PARENT     for each pick, with the window the pick is for
  closed          when the frontend closes a held pick's request
  answered        once the oldest held pick has its answer on the bus

and it reads, one a line, the answer to the oldest held pick: "colour R G B"
(fractions 0..1, response 0), "cancel" (response 1) or "fail" (response 2).

Usage: portalbackend.py BUS_NAME
"""

import os
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402 - after the version is chosen

PATH = "/org/freedesktop/portal/desktop"
INTERFACES = Gio.DBusNodeInfo.new_for_xml("""
<node>
  <interface name="org.freedesktop.impl.portal.Screenshot">
    <method name="PickColor">
      <arg type="o" name="handle" direction="in"/>
      <arg type="s" name="app_id" direction="in"/>
      <arg type="s" name="parent_window" direction="in"/>
      <arg type="a{sv}" name="options" direction="in"/>
      <arg type="u" name="response" direction="out"/>
      <arg type="a{sv}" name="results" direction="out"/>
    </method>
  </interface>
  <interface name="org.freedesktop.impl.portal.Request">
    <method name="Close"/>
  </interface>
</node>
""")


def say(line):
    print(line, flush=True)


RESPONSES = {"colour": 0, "cancel": 1, "fail": 2}


class Backend:
    def __init__(self, bus):
        self.bus = bus
        self.loop = GLib.MainLoop()
        self.held = []  # (invocation, request registration) of each unanswered pick
        self.commands = b""
        bus.register_object(PATH, INTERFACES.lookup_interface(
            "org.freedesktop.impl.portal.Screenshot"), self.on_call)

    def on_call(self, bus, sender, path, interface, method, arguments, invocation):
        if method == "PickColor":
            handle, _app, parent, _options = arguments.unpack()
            # The frontend closes the pick through the request object at the handle.
            request = bus.register_object(handle, INTERFACES.lookup_interface(
                "org.freedesktop.impl.portal.Request"), self.on_call)
            self.held.append((invocation, request))
            say("pick " + parent)
        elif method == "Close":
            invocation.return_value(None)
            say("closed")

    def on_input(self, fd, _condition):
        chunk = os.read(fd, 4096)
        self.commands += chunk
        while b"\n" in self.commands:
            line, self.commands = self.commands.split(b"\n", 1)
            self.answer(line.decode().split())
        if not chunk:
            self.loop.quit()
        return bool(chunk)

    def answer(self, words):
        invocation, request = self.held.pop(0)
        results = {}
        if words[0] == "colour":
            colour = tuple(float(word) for word in words[1:])
            results["color"] = GLib.Variant("(ddd)", colour)
        invocation.return_value(GLib.Variant("(ua{sv})", (RESPONSES[words[0]], results)))
        self.bus.unregister_object(request)
        self.bus.flush_sync(None)
        say("answered")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    connection = Gio.bus_get_sync(Gio.BusType.SESSION)
    backend = Backend(connection)
    owned = connection.call_sync(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
        GLib.Variant("(su)", (sys.argv[1], 4)), GLib.VariantType("(u)"),
        Gio.DBusCallFlags.NONE, -1, None)
    if owned.unpack() != (1,):
        sys.exit("the name %s is taken" % sys.argv[1])
    GLib.unix_fd_add_full(GLib.PRIORITY_DEFAULT, 0, GLib.IOCondition.IN | GLib.IOCondition.HUP,
                          backend.on_input)
    say("ready")
    backend.loop.run()
