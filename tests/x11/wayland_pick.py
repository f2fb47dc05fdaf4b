"""The eyedropper on a Wayland desktop (under with-x11 --weston --bus):
marivell, started as a user starts it, runs through XWayland, and a pick
started through AT-SPI (XTest input reaches X11 clients only) asks the
portal (the stand-in) and commits its colour in every notation box.
Usage: wayland_pick.py MARIVELL STAND-IN-PORTAL
"""

import os
import re
import runpy
import subprocess
import sys

x = runpy.run_path(os.path.join(os.path.dirname(__file__), "with-x11"))
Marivell, fail, start, wait_for = x["Marivell"], x["fail"], x["start"], x["wait_for"]

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
# The stand-in answers (0.2, 0.4, 0.6).
PICKED = ["51, 102, 153", "&H996633&", "10053171", "#336699", "204, 153, 102",
          "102, 51, 0, 102", "140, 120, 96", "ff996633"]


def main(program, stand_in):
    portal = start([stand_in, "--stand-in"], stdout=subprocess.PIPE, text=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if portal.stdout.readline().strip() != "ready":
        fail("the stand-in portal did not start")
    w = Marivell(program)
    wait_for("the first colour", lambda: w.text("text", "RGB") == "162, 129, 255")
    w.press("push button", "Color picker")
    notations = lambda: [w.text("text", n) for n in NOTATIONS]
    wait_for("the portal's colour in every box, read %s" % notations(), lambda: notations() == PICKED)
    # The call names the window on XWayland's X server: the window runs through it.
    call = portal.stdout.readline().split(" ")
    if not re.fullmatch(r"x11:[0-9a-f]+", call[0]) or not call[1].strip():
        fail("the portal was called with parent_window and handle_token %s" % call)
    print("ok: through XWayland, the portal's colour in all eight boxes; called with %s" % call)


if __name__ == "__main__":
    main(*sys.argv[1:3])
