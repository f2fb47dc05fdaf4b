"""The eyedropper on a Wayland desktop, through Debian's own portal frontend
(xdg-desktop-portal) and a desktop back-end that the test drives. Marivell,
started as a user starts it, runs through XWayland (xcb) or natively
(wayland); the picks are started through AT-SPI (XTest input reaches X11
clients only) and end as the back-end answers or as a second click gives
them up.

Usage: tst_x11_wayland.py MARIVELL xcb|wayland
"""

import os
import pathlib
import queue
import re
import subprocess
import sys
import threading

from accessiblewindow import AccessibleWindow
from privatedesktop import MissingTool, on_desktop, run_checks, wait_for

PICKED = "51, 102, 153"  # (0.2, 0.4, 0.6)
SUCCESS, CANCELLED, FAILED = 0, 1, 2  # the responses of a pick

FRONTEND = "/usr/libexec/xdg-desktop-portal"
BACKEND_NAME = "org.freedesktop.impl.portal.desktop.marivelltest"
# The frontend takes the back-end whose UseIn names the desktop it runs on,
# and offers Screenshot only with an Access back-end beside it (it asks that
# one nothing for a colour pick).
SESSION_DESKTOP = "marivelltest"
PORTAL_FILE = """[portal]
DBusName=%s
Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;
UseIn=%s
""" % (BACKEND_NAME, SESSION_DESKTOP)
BACKEND_INTERFACES = """<node>
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
</node>"""


class DesktopPortal:
    """The frontend, started on the desktop's bus with only the test's back-end to use.

    The back-end holds every pick until the test answers it, and says what it
    was asked for: "pick PARENT" for each pick, "closed" for each pick the
    frontend closes. It serves on a thread and a bus connection of its own, so
    that the frontend has its answers while the test waits.
    """

    def __init__(self, desktop):
        if not os.access(FRONTEND, os.X_OK):
            raise MissingTool(FRONTEND + " (xdg-desktop-portal) is not installed")
        try:
            from gi.repository import Gio, GLib
        except ImportError as error:
            raise MissingTool("python3-gi: %s" % error) from error
        self.glib = GLib
        self.said = queue.Queue()
        self.held = queue.Queue()  # (invocation, request registration) of each unanswered pick
        self.interfaces = Gio.DBusNodeInfo.new_for_xml(BACKEND_INTERFACES).interfaces
        self.bus = Gio.DBusConnection.new_for_address_sync(
            os.environ["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        started = queue.Queue()
        threading.Thread(target=self._serve, args=(started,), daemon=True).start()
        started.get(timeout=60)
        assert self._call("RequestName", "(su)", BACKEND_NAME, 4) == (1,), "the name is taken"
        portals = os.path.join(desktop.work, "portals")
        os.mkdir(portals)
        pathlib.Path(portals, "marivelltest.portal").write_text(PORTAL_FILE)
        desktop.start([FRONTEND], env=dict(os.environ, XDG_DESKTOP_PORTAL_DIR=portals,
                                           XDG_CURRENT_DESKTOP=SESSION_DESKTOP),
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("the frontend on the bus",
                 lambda: self._call("NameHasOwner", "(s)", "org.freedesktop.portal.Desktop")[0])

    def _call(self, method, signature, *arguments):
        """Calls method of the bus itself."""
        return self.bus.call_sync(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", method,
            self.glib.Variant(signature, arguments), None, 0, -1, None).unpack()

    def _serve(self, started):
        context = self.glib.MainContext()
        context.push_thread_default()  # the calls of the objects registered now arrive here
        self.bus.register_object("/org/freedesktop/portal/desktop", self.interfaces[0],
                                 self._on_call)
        started.put(True)
        self.glib.MainLoop(context).run()

    def _on_call(self, bus, _sender, _path, _interface, method, arguments, invocation):
        if method == "PickColor":
            handle, _app, parent, _options = arguments.unpack()
            # The frontend closes the pick through the request object at the handle.
            request = bus.register_object(handle, self.interfaces[1], self._on_call)
            self.held.put((invocation, request))
            self.said.put("pick " + parent)
        else:
            invocation.return_value(None)
            self.said.put("closed")

    def next_said(self):
        return self.said.get(timeout=60)  # queue.Empty: the back-end said nothing

    def answer(self, response, colour=None):
        """Answers the oldest pick held, with the colour's fractions 0..1 if it has one."""
        invocation, request = self.held.get_nowait()
        results = {"color": self.glib.Variant("(ddd)", colour)} if colour else {}
        invocation.return_value(self.glib.Variant("(ua{sv})", (response, results)))
        self.bus.unregister_object(request)
        self.bus.flush_sync(None)


class WaylandChecks:
    def __init__(self, desktop, program, platform):
        self.platform = platform
        self.portal = DesktopPortal(desktop)
        native = {"QT_QPA_PLATFORM": "wayland"} if platform == "wayland" else {}
        self.window = AccessibleWindow(desktop, program, **native)

    def start_pick(self):
        self.window.press("Color picker")
        said = self.portal.next_said()
        # Through XWayland the window is named by its X11 id, so that the
        # desktop can place its overlay; a native window has no name to give.
        parent = r"x11:[0-9a-f]+" if self.platform == "xcb" else ""
        assert re.fullmatch("pick " + parent, said), said

    def check_the_window_waits_for_the_desktops_colour_and_commits_it(self):
        w = self.window
        wait_for("the first colour", lambda: w.text("RGB") == "162, 129, 255")
        self.start_pick()
        # The back-end holds its answer, as a user takes their time.
        assert w.pressed("Color picker") and w.text("RGB") == ""
        self.portal.answer(SUCCESS, (0.2, 0.4, 0.6))
        wait_for("the portal's colour", lambda: w.text("RGB") == PICKED)
        assert not w.pressed("Color picker")

    def check_a_pick_without_a_colour_keeps_the_colour(self):
        w = self.window
        for response in (CANCELLED, FAILED):
            self.start_pick()
            self.portal.answer(response)
            wait_for("the pick ended by response %d" % response,
                     lambda: not w.pressed("Color picker"))
            assert w.text("RGB") == PICKED

    def check_a_second_click_gives_the_pick_up(self):
        w = self.window
        self.start_pick()
        w.press("Color picker")
        # The frontend took the desktop's overlay away.
        assert self.portal.next_said() == "closed"
        assert not w.pressed("Color picker")
        assert w.text("RGB") == PICKED


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in ("xcb", "wayland"):
        sys.exit(__doc__)
    sys.exit(on_desktop("weston", True,
                        lambda desktop: run_checks(WaylandChecks(desktop, *sys.argv[1:]))))
