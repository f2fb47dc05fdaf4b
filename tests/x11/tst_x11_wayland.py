"""The eyedropper on a Wayland desktop: marivell, started as a user starts it,
runs through XWayland, and a pick started through AT-SPI (XTest input reaches
X11 clients only) asks the stand-in portal and commits its colour in every
notation box.

Usage: tst_x11_wayland.py MARIVELL TST_PLATFORM_PORTAL
"""

import re
import subprocess
import sys

from accessiblewindow import AccessibleWindow
from privatedesktop import main, wait_for

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
PICKED = ["51, 102, 153", "&H996633&", "10053171", "#336699", "204, 153, 102",  # (0.2, 0.4, 0.6)
          "102, 51, 0, 102", "140, 120, 96", "ff996633"]


class WaylandChecks:
    def __init__(self, desktop, program, portal_test):
        self.portal = desktop.start([portal_test, "--stand-in"], stdout=subprocess.PIPE, text=True)
        assert self.portal.stdout.readline() == "ready\n", "the stand-in portal did not start"
        self.window = AccessibleWindow(desktop, program)

    def checks(self):
        return [self.the_eyedropper_commits_the_portals_colour]

    def the_eyedropper_commits_the_portals_colour(self):
        w = self.window
        wait_for("the first colour", lambda: w.text("RGB") == "162, 129, 255")
        w.press("Color picker")
        wait_for("the portal's colour in every box", lambda: w.texts(NOTATIONS) == PICKED)
        # The call names the window on XWayland's X server: the window runs through it.
        call = self.portal.stdout.readline()
        assert re.fullmatch(r"x11:[0-9a-f]+ \w+\n", call), call


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main("weston", True, lambda desktop: WaylandChecks(desktop, *sys.argv[1:]).checks()))
