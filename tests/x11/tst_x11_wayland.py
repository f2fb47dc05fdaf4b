"""The eyedropper on a Wayland desktop, through Debian's own portal frontend
(xdg-desktop-portal) and a desktop back-end that the test drives
(portalbackend.py). Marivell, started as a user starts it, runs through
XWayland (xcb) or natively (wayland); the picks are started through AT-SPI
(XTest input reaches X11 clients only) and end as the back-end answers.

Usage: tst_x11_wayland.py MARIVELL xcb|wayland
"""

import os
import queue
import re
import subprocess
import sys
import threading

from accessiblewindow import AccessibleWindow
from privatedesktop import MissingTool, main, wait_for

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
PICKED = ["51, 102, 153", "&H996633&", "10053171", "#336699", "204, 153, 102",  # (0.2, 0.4, 0.6)
          "102, 51, 0, 102", "140, 120, 96", "ff996633"]
NOTHING_PICKED = "No color was picked"

FRONTEND = "/usr/libexec/xdg-desktop-portal"
BACKEND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "portalbackend.py")
BACKEND_NAME = "org.freedesktop.impl.portal.desktop.marivelltest"
# The frontend takes the back-end whose UseIn names the desktop it runs on,
# and offers Screenshot only with an Access back-end beside it.
SESSION_DESKTOP = "marivelltest"
PORTAL_FILE = """[portal]
DBusName=%s
Interfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;
UseIn=%s
""" % (BACKEND_NAME, SESSION_DESKTOP)


class DesktopPortal:
    """The frontend, started on the desktop's bus with only the test's back-end to use."""

    def __init__(self, desktop):
        if not os.access(FRONTEND, os.X_OK):
            raise MissingTool(FRONTEND + " (xdg-desktop-portal) is not installed")
        portals = os.path.join(desktop.work, "portals")
        os.mkdir(portals)
        with open(os.path.join(portals, "marivelltest.portal"), "w") as text:
            text.write(PORTAL_FILE)
        self.backend = desktop.start([sys.executable, BACKEND, BACKEND_NAME],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.said = queue.Queue()
        threading.Thread(target=self._listen, daemon=True).start()
        self.expect("ready")
        desktop.start_service([FRONTEND], "org.freedesktop.portal.Desktop",
                              env=dict(os.environ, XDG_DESKTOP_PORTAL_DIR=portals,
                                       XDG_CURRENT_DESKTOP=SESSION_DESKTOP),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def _listen(self):
        for line in self.backend.stdout:
            self.said.put(line.rstrip("\n"))

    def next_said(self):
        try:
            return self.said.get(timeout=60)
        except queue.Empty:
            raise TimeoutError("the back-end said nothing") from None

    def expect(self, line):
        said = self.next_said()
        assert said == line, "the back-end said %r, not %r" % (said, line)

    def answer(self, command):
        """Answers the oldest pick the back-end holds, and waits until it is sent."""
        self.backend.stdin.write(command + "\n")
        self.backend.stdin.flush()
        self.expect("answered")


class WaylandChecks:
    def __init__(self, desktop, program, platform):
        self.platform = platform
        self.portal = DesktopPortal(desktop)
        native = {"QT_QPA_PLATFORM": "wayland"} if platform == "wayland" else {}
        self.window = AccessibleWindow(desktop, program, **native)
        self.heard = []  # the eyedropper's description as each change reaches a screen reader
        self.window.pyatspi.Registry.registerEventListener(
            self._on_description_change, "object:property-change:accessible-description")

    def checks(self):
        return [self.the_window_waits_for_the_desktops_colour_and_commits_it,
                self.a_pick_without_a_colour_keeps_the_colour_and_says_so,
                self.a_second_click_gives_the_pick_up]

    def _on_description_change(self, event):
        # Qt 6.4 sends the object, not its new text: read it as the event arrives.
        if event.source.name == "Color picker":
            self.heard.append(event.source.description)

    @staticmethod
    def _dispatch_events():
        from gi.repository import GLib  # the events arrive through its main loop

        while GLib.MainContext.default().iteration(False):
            pass

    def _hint_heard(self):
        self._dispatch_events()
        return NOTHING_PICKED in self.heard

    def start_pick(self):
        self.window.press("Color picker")
        said = self.portal.next_said()
        # Through XWayland the window is named by its X11 id, so that the
        # desktop can place its overlay; a native window has no name to give.
        parent = r"x11:[0-9a-f]+" if self.platform == "xcb" else ""
        assert re.fullmatch("pick " + parent, said), said

    def the_window_waits_for_the_desktops_colour_and_commits_it(self):
        w = self.window
        wait_for("the first colour", lambda: w.text("RGB") == "162, 129, 255")
        self.start_pick()
        # The back-end holds its answer, as a user takes their time.
        assert w.pressed("Color picker") and w.text("RGB") == ""
        self.portal.answer("colour 0.2 0.4 0.6")
        wait_for("the portal's colour in every box", lambda: w.texts(NOTATIONS) == PICKED)
        assert not w.pressed("Color picker")

    def a_pick_without_a_colour_keeps_the_colour_and_says_so(self):
        w = self.window
        for answer in ("cancel", "fail"):  # response 1, response 2
            self._dispatch_events()  # an earlier hint is not this one
            self.heard.clear()
            self.start_pick()
            self.portal.answer(answer)
            wait_for("the hint after '%s' announced" % answer, self._hint_heard)
            assert not w.pressed("Color picker")
            assert w.texts(NOTATIONS) == PICKED

    def a_second_click_gives_the_pick_up(self):
        w = self.window
        self.start_pick()
        w.press("Color picker")
        self.portal.expect("closed")  # the frontend took the desktop's overlay away
        assert not w.pressed("Color picker")
        assert w.texts(NOTATIONS) == PICKED
        # The back-end answers the given-up pick all the same, then the next one.
        self.portal.answer("colour 1 0 0")
        self.start_pick()
        self.portal.answer("colour 0 0 1")
        wait_for("the next pick's colour", lambda: w.text("RGB") == "0, 0, 255")


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in ("xcb", "wayland"):
        sys.exit(__doc__)
    sys.exit(main("weston", True, lambda desktop: WaylandChecks(desktop, *sys.argv[1:]).checks()))
