"""The running window as assistive technology sees it: every control by role
and name, the notations read, a bar set through its value, the picker started
and stopped by its action. Usage (under with-x11 --bus): atspi_walk.py MARIVELL
"""

import os
import runpy
import sys

x = runpy.run_path(os.path.join(os.path.dirname(__file__), "with-x11"))
Marivell, fail, wait_for = x["Marivell"], x["fail"], x["wait_for"]

NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
EDITABLE = ["KML", "Red value", "Green value", "Blue value"]
CHANNELS = ["Red", "Green", "Blue", "Master"]
RANGES = [("scroll bar", c) for c in CHANNELS] + [("slider", "Transparency")] + \
    [("progress bar", c + " level") for c in CHANNELS]
CONTROLS = [("text", n) for n in NOTATIONS + EDITABLE[1:]] + RANGES + \
    [("image", "Preview"), ("push button", "Color picker"), ("push button", "Choose color")] + \
    [("label", n) for n in NOTATIONS + ["Transparency", "Start the Color Picker",
                                        "To stop it press 's' in the keyboard"]]
AT_START = ["162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
            "170, 240, 181", "ffff81a2"]
GREEN_200 = ["162, 200, 255", "&HFFC8A2&", "16763042", "#A2C8FF", "93, 55, 0", "93, 55, 0, 0",
             "144, 240, 196", "ffffc8a2"]


def main(program):
    w = Marivell(program)
    if not w.frame.name.startswith("Marivell v 2.0 ("):
        fail("title %r" % w.frame.name)
    found = [(role, name) for role, name, _ in w.controls()]
    for control in CONTROLS:
        if found.count(control) != 1 and not (control[0] == "label" and control in found):
            fail("%d of %s %r among %s" % (found.count(control), *control, sorted(set(found))))
    editable = [n for r, n, a in w.controls() if r == "text" and "editable" in w.states(a)]
    if sorted(editable) != sorted(EDITABLE):
        fail("editable boxes %s" % editable)
    for control in RANGES:
        value = w.find(*control).queryValue()
        if (value.minimumValue, value.maximumValue) != (0, 255):
            fail("%s %r ranges %s..%s" % (*control, value.minimumValue, value.maximumValue))
    if not w.find("image", "Preview").description.startswith("Colour "):
        fail("the preview is not described")
    notations = lambda: [w.text("text", n) for n in NOTATIONS]
    wait_for("the first colour, read %s" % notations(), lambda: notations() == AT_START)
    w.find("scroll bar", "Green").queryValue().currentValue = 200
    wait_for("green 200 in every box, read %s" % notations(), lambda: notations() == GREEN_200)
    if (w.find("progress bar", "Green level").queryValue().currentValue,
            w.text("text", "Green value")) != (200, "200"):
        fail("the green column or box did not follow the bar")
    button = w.find("push button", "Color picker")
    for pressed in (True, False):
        w.press("push button", "Color picker")
        wait_for("the picker pressed=%s" % pressed, lambda: ("pressed" in w.states(button)) == pressed)
    print("ok: %d controls, notations, green set to 200, the picker by its action" % len(CONTROLS))


if __name__ == "__main__":
    main(sys.argv[1])
