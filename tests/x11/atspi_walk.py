# The running window as assistive technology sees it: every control by role and
# name, the notations read, a bar set through its value, the picker started and
# stopped by its action. Usage (under with-x11 --bus): atspi_walk.py MARIVELL
import os, runpy, sys

x = runpy.run_path(os.path.join(os.path.dirname(__file__), "with-x11"))
NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
EDITABLE = ["KML", "Red value", "Green value", "Blue value"]
RANGES = [(role, c + tail) for role, tail in (("scroll bar", ""), ("progress bar", " level"))
          for c in ("Red", "Green", "Blue", "Master")] + [("slider", "Transparency")]
CONTROLS = RANGES + [("text", n) for n in NOTATIONS + EDITABLE[1:]] + [("image", "Preview")] + \
    [("push button", "Color picker"), ("push button", "Choose color")]
CAPTIONS = NOTATIONS + ["Transparency", "Start the Color Picker", "To stop it press 's' in the keyboard"]
AT_START = ["162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
            "170, 240, 181", "ffff81a2"]
GREEN_200 = ["162, 200, 255", "&HFFC8A2&", "16763042", "#A2C8FF", "93, 55, 0", "93, 55, 0, 0",
             "144, 240, 196", "ffffc8a2"]

w = x["Marivell"](sys.argv[1])
w.frame.name.startswith("Marivell v 2.0 (") or x["fail"]("title %r" % w.frame.name)
found = {(role, name) for role, name, _ in w.controls()}
set(CONTROLS + [("label", c) for c in CAPTIONS]) <= found or x["fail"]("controls %s" % sorted(found))
editable = [n for r, n, a in w.controls() if r == "text" and a.getState().contains(w.pyatspi.STATE_EDITABLE)]
sorted(editable) == sorted(EDITABLE) or x["fail"]("editable: %s" % editable)
for control in RANGES:
    value = w.find(*control).queryValue()
    (value.minimumValue, value.maximumValue) == (0, 255) or x["fail"]("%s %r range" % control)
w.find("image", "Preview").description.startswith("Colour ") or x["fail"]("no preview description")
x["wait_for"]("the first colour", lambda: [w.text(n) for n in NOTATIONS] == AT_START)
w.find("scroll bar", "Green").queryValue().currentValue = 200
x["wait_for"]("green 200 in every box", lambda: [w.text(n) for n in NOTATIONS] == GREEN_200)
(w.find("progress bar", "Green level").queryValue().currentValue, w.text("Green value")) == (200, "200") \
    or x["fail"]("the green column or box did not follow the bar")
for pressed in (True, False):
    w.press("Color picker")
    x["wait_for"]("the picker pressed: %s" % pressed, lambda: w.pressed("Color picker") == pressed)
print("ok: %d controls, notations, green set to 200, the picker by its action" % len(found))
