"""Walks the running window's AT-SPI tree: every control of the names table is
there with its role, name, state and value; the notations read right, follow a
bar moved through the value interface, and a copy is announced.

Usage: atspi_tree.py PATH-TO-MARIVELL
"""

import sys

import x11session as x
from x11session import fail, wait_for

TEXT = ("text",)
READ_ONLY, EDITABLE = "read-only", "editable"

# (roles accepted, accessible name, what else to check)
ROWS = [
    (TEXT, "RGB", READ_ONLY),
    (TEXT, "Hexa VB", READ_ONLY),
    (TEXT, "Long VB", READ_ONLY),
    (TEXT, "HTML", READ_ONLY),
    (TEXT, "CMY", READ_ONLY),
    (TEXT, "CMYK", READ_ONLY),
    (TEXT, "HSL", READ_ONLY),
    (TEXT, "KML", EDITABLE),
    (TEXT, "Red value", EDITABLE),
    (TEXT, "Green value", EDITABLE),
    (TEXT, "Blue value", EDITABLE),
    (("scroll bar",), "Red", "0..255"),
    (("scroll bar",), "Green", "0..255"),
    (("scroll bar",), "Blue", "0..255"),
    (("scroll bar",), "Master", "0..255"),
    (("slider",), "Transparency", "0..255"),
    (("level bar", "progress bar"), "Red level", "0..255"),
    (("level bar", "progress bar"), "Green level", "0..255"),
    (("level bar", "progress bar"), "Blue level", "0..255"),
    (("level bar", "progress bar"), "Master level", "0..255"),
    (("image", "panel"), "Preview", "described"),
    (("push button", "toggle button"), "Color picker", "toggle"),
    (("push button",), "Choose color", None),
]

CAPTIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML", "Transparency",
            "Start the Color Picker", "To stop it press 's' in the keyboard"]

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
AT_START = ["162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
            "170, 240, 181", "ffff81a2"]
GREEN_200 = ["162, 200, 255", "&HFFC8A2&", "16763042", "#A2C8FF", "93, 55, 0", "93, 55, 0, 0",
             "144, 240, 196", "ffffc8a2"]


def check_rows(w):
    title = w.frame.name
    if not title.startswith("Marivell v 2.0 (") or not title.endswith(")"):
        fail("window title %r" % title)
    for roles, name, extra in ROWS:
        control = w.find(roles, name)
        states = w.states(control)
        if extra == READ_ONLY and EDITABLE in states:
            fail("%s claims to be editable" % name)
        if extra == EDITABLE and EDITABLE not in states:
            fail("%s is not editable" % name)
        if extra == "0..255":
            value = control.queryValue()
            if (value.minimumValue, value.maximumValue) != (0, 255):
                fail("%s ranges %s..%s" % (name, value.minimumValue, value.maximumValue))
        if extra == "described" and not control.description.startswith("Colour "):
            fail("%s is described as %r" % (name, control.description))
        if extra == "toggle" and ("pressed" in states or "checked" in states):
            fail("%s is pressed before the picker runs" % name)
    for caption in CAPTIONS:
        if not any(role == "label" and n == caption for role, n, _ in w.controls()):
            fail("no caption %r" % caption)
    for bar in ("Red", "Green", "Blue", "Master"):
        level = w.value(w.find(("level bar", "progress bar"), bar + " level"))
        if level != w.value(w.find(("scroll bar",), bar)):
            fail("%s level %s differs from its bar" % (bar, level))
    print("ok: %d named controls and %d captions" % (len(ROWS), len(CAPTIONS)))


def notations(w):
    return [w.text(w.find(TEXT, name)) for name in NOTATIONS]


def check_notations_follow_a_bar(w):
    if notations(w) != AT_START:
        fail("notations at start %s" % notations(w))
    green = w.find(("scroll bar",), "Green")
    green.queryValue().currentValue = 200
    wait_for("the notations of green 200", lambda: notations(w) == GREEN_200)
    if w.value(w.find(("level bar", "progress bar"), "Green level")) != 200:
        fail("the green column did not follow its bar")
    if w.text(w.find(TEXT, "Green value")) != "200":
        fail("the green box did not follow its bar")
    print("ok: eight notations read, and followed the green bar to 200")


def check_copy_is_announced(w, pyatspi):
    from gi.repository import GLib

    html = w.find(TEXT, "HTML")
    heard = []

    def listener(event):
        if event.source == html and event.source.description == "Copied":
            heard.append(event)

    pyatspi.Registry.registerEventListener(
        listener, "object:property-change:accessible-description")
    context = GLib.MainContext.default()

    def pump():
        while context.iteration(False):
            pass

    # The program learns of a new listener asynchronously: copy until one copy is heard.
    tries = [0]

    def copied_and_heard():
        if heard:
            return True
        tries[0] += 1
        if tries[0] % 20 == 1:
            w.do_action(html, "Copy")
        return False

    wait_for("the copy to be announced", copied_and_heard, pump=pump)
    pyatspi.Registry.deregisterEventListener(
        listener, "object:property-change:accessible-description")
    clipboard = w.session.xclip("clipboard")
    if clipboard != "#A2C8FF":
        fail("the clipboard holds %r" % clipboard)
    print("ok: the Copy action put #A2C8FF on the clipboard and was announced")


def check_picker_button(w):
    button = w.find(("push button", "toggle button"), "Color picker")
    w.do_action(button, "Press")
    wait_for("the picker button to look pressed", lambda: "pressed" in w.states(button))
    w.do_action(button, "Press")
    wait_for("the picker button to be released", lambda: "pressed" not in w.states(button))
    print("ok: the picker button started and stopped the picker")


def main():
    if len(sys.argv) != 2:
        fail(__doc__)
    x.on_private_bus()
    pyatspi = x.import_pyatspi()
    x.require_tools("xclip")
    with x.Session(sys.argv[1]) as session:
        w = x.Window(pyatspi, session)
        wait_for("the first colour", lambda: w.text(w.find(TEXT, "RGB")) != "")
        check_rows(w)
        check_notations_follow_a_bar(w)
        check_copy_is_announced(w, pyatspi)
        check_picker_button(w)
        session.running()


if __name__ == "__main__":
    main()
