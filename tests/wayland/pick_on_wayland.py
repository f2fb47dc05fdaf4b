"""The eyedropper on a Wayland desktop, end to end, under weston with XWayland
(run through tests/wayland/with-weston): marivell, started as a user starts
it, runs through XWayland, and a pick started from the eyedropper (pressed
through AT-SPI, which reaches a window on any platform) asks the portal (the
stand-in, on this test's own session bus) and commits its colour in every
notation box. Then the same without XWayland, where marivell runs natively.

Usage: pick_on_wayland.py PATH-TO-MARIVELL PATH-TO-STAND-IN-PORTAL
"""

import json
import os
import re
import subprocess
import sys
import tempfile

import x11session as x
from x11session import fail, wait_for

TEXT = ("text",)
NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
AT_START = ["162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
            "170, 240, 181", "ffff81a2"]
# What the stand-in answers: (0.2, 0.4, 0.6), which is #336699.
PORTAL_COLOUR = "0.2,0.4,0.6"
PICKED = ["51, 102, 153", "&H996633&", "10053171", "#336699", "204, 153, 102",
          "102, 51, 0, 102", "140, 120, 96", "ff996633"]
# Long enough to see the picker running, short enough for a quick test.
ANSWER_DELAY = "2"


def notations(w):
    return [w.text(w.find(TEXT, name)) for name in NOTATIONS]


def x11_window_ids():
    """The X11 windows titled as marivell's on XWayland's display."""
    found = subprocess.run(["xdotool", "search", "--name", "^Marivell v 2.0"],
                           capture_output=True, text=True, timeout=20)
    return [int(line) for line in found.stdout.split()]


def screens_named(session):
    """The X11 screens Qt reported adding in its log (qt.qpa.screen)."""
    with open(session.log_path) as log:
        return set(re.findall(r'adding QXcbScreen\([^,]*, name="([^"]*)"', log.read()))


class StandInPortal:
    def __init__(self, script):
        self.record = tempfile.NamedTemporaryFile(prefix="portal-", suffix=".jsonl", delete=False)
        self.process = subprocess.Popen(
            [sys.executable, script, "--colour", PORTAL_COLOUR, "--delay", ANSWER_DELAY,
             "--record", self.record.name], stdout=subprocess.PIPE, text=True)
        if self.process.stdout.readline().strip() != "ready":
            fail("the stand-in portal did not start")

    def calls(self):
        with open(self.record.name) as f:
            return [json.loads(line) for line in f if line.strip()]

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        os.unlink(self.record.name)


def check_runs_on_xwayland(session):
    ids = wait_for("an X11 window on XWayland", x11_window_ids)
    screens = wait_for("Qt's screens in its log", lambda: screens_named(session))
    if not all(name.startswith("XWAYLAND") for name in screens):
        fail("screens %s are not XWayland's" % sorted(screens))
    print("ok: the window is an X11 window on XWayland, screens %s" % sorted(screens))
    return ids


def check_pick(w, portal, parents):
    button = w.find(("push button", "toggle button"), "Color picker")
    w.do_action(button, "Press")
    wait_for("the picker to run", lambda: "pressed" in w.states(button))
    if w.text(w.find(TEXT, "RGB")) != "":
        fail("the notations were not emptied while the portal picks")
    wait_for("the portal's colour in every box", lambda: notations(w) == PICKED)
    if "pressed" in w.states(button):
        fail("the picker still runs after the portal answered")
    calls = portal.calls()
    if len(calls) != 1:
        fail("the portal was called %d times" % len(calls))
    token = calls[0]["options"].get("handle_token", "")
    if not re.fullmatch(r"[A-Za-z0-9_]+", token):
        fail("handle_token %r" % token)
    if calls[0]["parent_window"] not in parents:
        fail("parent_window %r, not one of %s" % (calls[0]["parent_window"], parents))
    print("ok: the portal's colour reached every notation; handle_token %s, parent %r"
          % (token, calls[0]["parent_window"]))


def main():
    if len(sys.argv) != 3:
        fail(__doc__)
    if not os.environ.get("WAYLAND_DISPLAY"):
        x.skip("no Wayland display: run through tests/wayland/with-weston")
    x.on_private_bus()
    pyatspi = x.import_pyatspi()
    x.require_tools("xdotool")
    portal = StandInPortal(sys.argv[2])
    try:
        with x.Session(sys.argv[1], platform=None,
                       env={"QT_LOGGING_RULES": "qt.qpa.screen=true"}) as session:
            w = x.Window(pyatspi, session)
            wait_for("the first colour", lambda: notations(w) == AT_START)
            window_ids = check_runs_on_xwayland(session)
            check_pick(w, portal, ["x11:%x" % i for i in window_ids])
            session.running()
    finally:
        portal.close()
    # Only Wayland: a native window, which the portal cannot be told about.
    portal = StandInPortal(sys.argv[2])
    try:
        with x.Session(sys.argv[1], platform=None, env={"DISPLAY": None}) as session:
            w = x.Window(pyatspi, session)
            wait_for("the first colour", lambda: notations(w) == AT_START)
            if x11_window_ids():
                fail("an X11 window where only Wayland was offered")
            check_pick(w, portal, [""])
            session.running()
    finally:
        portal.close()


if __name__ == "__main__":
    main()
