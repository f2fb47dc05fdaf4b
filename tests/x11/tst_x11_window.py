"""The program under openbox, as assistive technology and a user meet it.

Through AT-SPI: every control by role and name. Through the X server: a
clicked box's text in both selections, the window above an activated window,
the S key picking that window's colour, and the picker reading the device
pixel beside the pointer's hot spot at scale 1 and 1.5. Dragging the window
has its own test, tst_x11_drag.py.

Usage: tst_x11_window.py MARIVELL ROOTPATTERN
"""

import subprocess
import sys

from accessiblewindow import AccessibleWindow
from privatedesktop import on_desktop, require, run_checks, wait_for, xdotool

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
CONTROLS = [("scroll bar", name) for name in ("Red", "Green", "Blue", "Master")] \
    + [("progress bar", name + " level") for name in ("Red", "Green", "Blue", "Master")] \
    + [("text", name) for name in NOTATIONS + ["Red value", "Green value", "Blue value"]] \
    + [("label", name) for name in NOTATIONS + ["Transparency", "Start the Color Picker",
                                                "To stop it press 's' in the keyboard"]] \
    + [("slider", "Transparency"), ("image", "Preview"), ("push button", "Color picker"),
       ("push button", "Choose color")]
OTHER_WINDOW_COLOUR = "#3C7A1E"  # 60, 122, 30


def window_named(title_pattern):
    found = xdotool("search", "--onlyvisible", "--name", title_pattern, check=False).split()
    return int(found[0]) if found else None


def window_width():
    window = window_named("^Marivell v")
    geometry = xdotool("getwindowgeometry", "--shell", window, check=False) if window else ""
    return int(geometry.split("WIDTH=")[1].split()[0]) if "WIDTH=" in geometry else None


def selection(name):
    """The text of the X selection name (primary, clipboard); empty while nobody owns it."""
    return subprocess.run(["xclip", "-o", "-selection", name], capture_output=True, text=True,
                          timeout=60).stdout


class WindowChecks:
    def __init__(self, desktop, program, root_pattern):
        require("xdotool", "xclip", "xmessage", "xprop")
        self.desktop = desktop
        self.program = program
        self.root_pattern = root_pattern
        self.window = AccessibleWindow(desktop, program)

    def check_every_control_has_its_role_and_name(self):
        w = self.window
        assert w.frame.name.startswith("Marivell v 2.0 ("), w.frame.name
        found = {(role, name) for role, name, _ in w.controls()}
        missing = set(CONTROLS) - found
        assert not missing, "missing %s" % sorted(missing)

    def check_a_clicked_box_fills_both_selections(self):
        # A middle-click pastes what a click copied, as Ctrl+V does.
        w = self.window
        rgb = w.text("RGB")
        assert rgb and rgb not in (selection("primary"), selection("clipboard")), rgb
        xdotool("mousemove", *w.centre("text", "RGB"), "click", 1)
        for name in ("primary", "clipboard"):
            wait_for("the RGB box's text in the %s selection" % name,
                     lambda: selection(name) == rgb)

    def check_the_window_stays_above_an_activated_window(self):
        ours = wait_for("the window", lambda: window_named("^Marivell v"))
        self.desktop.start(["xmessage", "-bg", OTHER_WINDOW_COLOUR, "-geometry", "400x300+800+600",
                            "-name", "other", " "])
        theirs = wait_for("another window", lambda: window_named("^other"))
        xdotool("windowactivate", "--sync", theirs)

        def ours_above():
            listed = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"],
                                    capture_output=True, text=True).stdout
            order = [int(window, 16) for window in listed.split("#")[1].replace(",", " ").split()]
            return order.index(ours) > order.index(theirs)

        wait_for("ours above the activated window", ours_above)

    def check_s_held_picks_the_colour_under_the_pointer(self):
        w = self.window
        xdotool("mousemove", *w.centre("push button", "Color picker"), "click", 1)
        wait_for("the picker", lambda: w.pressed("Color picker"))
        xdotool("mousemove", 1150, 850)  # over the other window
        wait_for("the sample", lambda: w.preview_description().startswith("Colour 60, 122, 30 "))
        xdotool("keydown", "s")  # held until a tick has seen it
        wait_for("S to stop the picker", lambda: not w.pressed("Color picker"))
        xdotool("keyup", "s")
        assert w.text("RGB") == "60, 122, 30", w.text("RGB")

    def check_the_picker_reads_the_device_pixel_beside_the_hot_spot(self):
        subprocess.run([self.root_pattern], check=True)
        self.window.stop()
        for scale, width in (("1", 384), ("1.5", 576)):
            window = AccessibleWindow(self.desktop, self.program, QT_SCALE_FACTOR=scale)
            wait_for("the window's width at scale " + scale, lambda: window_width() == width)
            window.press("Color picker")
            # The root pattern's pixel (x, y) is red x % 256, green y % 256, blue 90.
            for x, y in ((300, 800), (301, 801), (302, 855), (351, 910)):
                beside = "Colour %d, %d, 90 " % ((x + 1) % 256, (y + 1) % 256)
                xdotool("mousemove", x, y)
                wait_for("the pixel beside %d, %d at scale %s" % (x, y, scale),
                         lambda: window.preview_description().startswith(beside))
            window.press("Color picker")
            window.stop()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(on_desktop("openbox", True,
                        lambda desktop: run_checks(WindowChecks(desktop, *sys.argv[1:]))))
