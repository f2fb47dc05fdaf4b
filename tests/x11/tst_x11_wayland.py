# The eyedropper on a Wayland desktop (under with-x11 --weston --bus): marivell,
# started as a user starts it, runs through XWayland, and a pick started
# through AT-SPI (XTest input reaches X11 clients only) asks the stand-in
# portal and commits its colour in every notation box.
# Usage: tst_x11_wayland.py MARIVELL TST_PLATFORM_PORTAL
import os, re, runpy, subprocess, sys

x = runpy.run_path(os.path.join(os.path.dirname(__file__), "with-x11"))
NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
PICKED = ["51, 102, 153", "&H996633&", "10053171", "#336699", "204, 153, 102",  # (0.2, 0.4, 0.6)
          "102, 51, 0, 102", "140, 120, 96", "ff996633"]

portal = x["start"]([sys.argv[2], "--stand-in"], stdout=subprocess.PIPE, text=True)
portal.stdout.readline() == "ready\n" or x["fail"]("the stand-in portal did not start")
w = x["Marivell"](sys.argv[1])
x["wait_for"]("the first colour", lambda: w.text("RGB") == "162, 129, 255")
w.press("Color picker")
x["wait_for"]("the portal's colour in every box", lambda: [w.text(n) for n in NOTATIONS] == PICKED)
# The call names the window on XWayland's X server: the window runs through it.
call = portal.stdout.readline()
re.fullmatch(r"x11:[0-9a-f]+ \w+\n", call) or x["fail"]("parent_window and handle_token: %r" % call)
