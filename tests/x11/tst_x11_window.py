"""The program under openbox, as assistive technology and a user meet it.

Through AT-SPI: every control by role and name, the notations, a bar set
through its value, the picker started and stopped by its action, copies
announced. Through the X server: the launcher's startup id answered, a clicked
box's text in both selections, the window above an activated window, the S
key picking that window's colour, and the picker reading the device pixel
beside the pointer's hot spot at scale 1 and 1.5. Dragging the window has its
own test, tst_x11_drag.py.

Usage: tst_x11_window.py MARIVELL ROOTPATTERN
"""

import subprocess
import sys

from accessiblewindow import NOTATIONS, AccessibleWindow
from privatedesktop import RootWatcher, on_desktop, require, run_checks, wait_for, xdotool

EDITABLE = ["KML", "Red value", "Green value", "Blue value"]
RANGES = [("scroll bar", name) for name in ("Red", "Green", "Blue", "Master")] \
    + [("progress bar", name + " level") for name in ("Red", "Green", "Blue", "Master")] \
    + [("slider", "Transparency")]
CONTROLS = RANGES \
    + [("text", name) for name in NOTATIONS + EDITABLE[1:]] \
    + [("image", "Preview"), ("push button", "Color picker"), ("push button", "Choose color")]
CAPTIONS = NOTATIONS + ["Transparency", "Start the Color Picker",
                        "To stop it press 's' in the keyboard"]
GREEN_200 = ["162, 200, 255", "&HFFC8A2&", "16763042", "#A2C8FF", "93, 55, 0", "93, 55, 0, 0",
             "144, 240, 196", "ffffc8a2"]
OTHER_WINDOW_COLOUR = "#3C7A1E"  # 60, 122, 30
PROBE = "_MARIVELL_XEV_PROBE"  # a root window property xev is shown to report


def window_named(title_pattern):
    found = xdotool("search", "--onlyvisible", "--name", title_pattern, check=False).split()
    return int(found[0]) if found else None


def width_of(window):
    geometry = xdotool("getwindowgeometry", "--shell", window, check=False) if window else ""
    return int(geometry.split("WIDTH=")[1].split()[0]) if "WIDTH=" in geometry else None


def selection(name):
    """The text of the X selection name (primary, clipboard); empty while nobody owns it."""
    return subprocess.run(["xclip", "-o", "-selection", name], capture_output=True, text=True,
                          timeout=60).stdout


class WindowChecks:
    def __init__(self, desktop, program, root_pattern):
        require("xdotool", "xev", "xmessage", "xprop", "xclip")
        self.desktop = desktop
        self.program = program
        self.root_pattern = root_pattern
        # Watching before the launcher's startup id can be answered.
        self.startup_messages = RootWatcher(
            desktop, "property",
            lambda: subprocess.run(["xprop", "-root", "-f", PROBE, "8s", "-set", PROBE, "1"]),
            PROBE)
        self.window = AccessibleWindow(desktop, program, DESKTOP_STARTUP_ID="launcher-7_TIME0")

    def check_every_control_has_its_role_and_name(self):
        w = self.window
        assert w.frame.name.startswith("Marivell v 2.0 ("), w.frame.name
        found = {(role, name) for role, name, _ in w.controls()}
        missing = set(CONTROLS + [("label", caption) for caption in CAPTIONS]) - found
        assert not missing, "missing %s" % sorted(missing)
        editable = [name for role, name, accessible in w.controls()
                    if role == "text" and accessible.getState().contains(w.pyatspi.STATE_EDITABLE)]
        assert sorted(editable) == sorted(EDITABLE), editable
        for control in RANGES:
            value = w.find(*control).queryValue()
            assert (value.minimumValue, value.maximumValue) == (0, 255), control

    def check_a_bar_set_through_its_value_reaches_every_box(self):
        w = self.window
        w.find("scroll bar", "Green").queryValue().currentValue = 200
        wait_for("green 200 in every box", lambda: w.notations() == GREEN_200)
        assert w.find("progress bar", "Green level").queryValue().currentValue == 200
        assert w.text("Green value") == "200"

    def check_the_picker_starts_and_stops_by_its_action(self):
        w = self.window
        for pressed in (True, False):
            w.press("Color picker")
            wait_for("the picker pressed: %s" % pressed,
                     lambda: w.pressed("Color picker") == pressed)

    def check_the_launchers_startup_id_is_answered(self):
        # Once the window is up, the launcher stops showing it as starting.
        wait_for("the startup id answered",
                 lambda: "_NET_STARTUP_INFO_BEGIN" in self.startup_messages.read())

    def check_every_copy_is_announced(self):
        w = self.window
        for copy in ("first", "second"):  # the second from the same box is heard too
            w.forget_heard()
            w.press("HTML", "text", "Copy")
            wait_for("the %s copy announced" % copy, lambda: w.has_heard("HTML", "Copied"))

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
            wait_for("the window's width at scale " + scale,
                     lambda: width_of(window_named("^Marivell v")) == width)
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
