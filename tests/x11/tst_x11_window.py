# The program under openbox as assistive technology and a user meet it: every
# control by role and name, the notations read, a bar set through its value, the
# picker started and stopped by its action, two copies announced; then, driven through the X server,
# it stays above an activated window, picks that window's colour with S held, is
# dragged by its background and the picker's caption only with the left button,
# and an instant click leaves no window-manager move running. Its picker reads
# the device pixel beside the pointer's hot spot, at scale 1 and 1.5.
# Usage (under with-x11 --wm --bus): tst_x11_window.py MARIVELL
import os, runpy, subprocess, sys, time

x = runpy.run_path(os.path.join(os.path.dirname(__file__), "with-x11"))
x["need"]("xdotool", "xev", "xmessage", "display")
NOTATIONS = ["RGB", "Hexa VB", "Long VB", "HTML", "CMY", "CMYK", "HSL", "KML"]
EDITABLE = ["KML", "Red value", "Green value", "Blue value"]
RANGES = [(role, c + tail) for role, tail in (("scroll bar", ""), ("progress bar", " level"))
          for c in ("Red", "Green", "Blue", "Master")] + [("slider", "Transparency")]
CONTROLS = RANGES + [("text", n) for n in NOTATIONS + EDITABLE[1:]] + [("image", "Preview")] + \
    [("push button", "Color picker"), ("push button", "Choose color")]
CAPTIONS = NOTATIONS + ["Transparency", "Start the Color Picker", "To stop it press 's' in the keyboard"]
GREEN_200 = ["162, 200, 255", "&HFFC8A2&", "16763042", "#A2C8FF", "93, 55, 0", "93, 55, 0, 0",
             "144, 240, 196", "ffffc8a2"]

xdotool = lambda *a: subprocess.run(["xdotool", *map(str, a)], capture_output=True, text=True).stdout
centre = lambda a: (lambda e: (e.x + e.width // 2, e.y + e.height // 2))(a.queryComponent().getExtents(0))
root_messages = x["start"](["xev", "-root", "-event", "property"], stdout=subprocess.PIPE, text=True)
time.sleep(0.2)  # watching before the launcher's startup id is answered
w = x["Marivell"](sys.argv[1], DESKTOP_STARTUP_ID="launcher-7_TIME0")
w.frame.name.startswith("Marivell v 2.0 (") or x["fail"]("title %r" % w.frame.name)
found = {(role, name) for role, name, _ in w.controls()}
set(CONTROLS + [("label", c) for c in CAPTIONS]) <= found or x["fail"]("controls %s" % sorted(found))
editable = [n for r, n, a in w.controls() if r == "text" and a.getState().contains(w.pyatspi.STATE_EDITABLE)]
sorted(editable) == sorted(EDITABLE) or x["fail"]("editable: %s" % editable)
ranges = {c: (lambda v: (v.minimumValue, v.maximumValue))(w.find(*c).queryValue()) for c in RANGES}
set(ranges.values()) == {(0, 255)} or x["fail"]("ranges %s" % ranges)
w.find("scroll bar", "Green").queryValue().currentValue = 200
x["wait_for"]("green 200 in every box", lambda: [w.text(n) for n in NOTATIONS] == GREEN_200)
(w.find("progress bar", "Green level").queryValue().currentValue, w.text("Green value")) == (200, "200") \
    or x["fail"]("the green column or box did not follow the bar")
for pressed in (True, False):
    w.press("Color picker")
    x["wait_for"]("the picker pressed: %s" % pressed, lambda: w.pressed("Color picker") == pressed)
root_messages.terminate()  # the launch finished: the launcher stops showing it as starting
"_NET_STARTUP_INFO_BEGIN" in root_messages.communicate()[0] or x["fail"]("the startup id was not answered")
said = []  # a screen reader hears every copy, the second from the same box too
w.pyatspi.Registry.registerEventListener(lambda e: said.append((e.source.name, e.any_data)),
                                         "object:property-change:accessible-description")
for _ in range(2):
    w.press("HTML", "text", "Copy")
from gi.repository import GLib  # the events arrive through its main loop
x["wait_for"]("two copies announced",
              lambda: GLib.MainContext.default().iteration(False) or said.count(("HTML", "Copied")) == 2)

search = lambda title: xdotool("search", "--onlyvisible", "--name", title).split()[:1]
ours = int(x["wait_for"]("the window", lambda: search("^Marivell v"))[0])
x["start"](["xmessage", "-bg", "#3C7A1E", "-geometry", "400x300+800+600", "-name", "other", " "])
theirs = int(x["wait_for"]("another window", lambda: search("^other"))[0])
xdotool("windowactivate", "--sync", theirs)
stacking = lambda: subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True,
                                  text=True).stdout.split("#")[1].replace(",", " ").split()
x["wait_for"]("ours above the activated window", lambda: stacking().index(hex(ours)) > stacking().index(hex(theirs)))

xdotool("mousemove", *centre(w.find("push button", "Color picker")), "click", 1)
x["wait_for"]("the picker", lambda: w.pressed("Color picker"))
xdotool("mousemove", 1150, 850)
x["wait_for"]("the sample", lambda: w.find("image", "Preview").description.startswith("Colour 60, 122, 30 "))
xdotool("keydown", "s")  # held until a tick has seen it
x["wait_for"]("S to stop the picker", lambda: not w.pressed("Color picker"))
xdotool("keyup", "s")
w.text("RGB") == "60, 122, 30" or x["fail"]("picked %r" % w.text("RGB"))

position = lambda: (lambda e: (e.x, e.y))(w.frame.queryComponent().getExtents(0))
for handle, button, held, moves in [("", 1, True, True), ("Start the Color Picker", 1, True, True), ("", 3, True, False),
                                    ("To stop it press 's' in the keyboard", 1, True, False), ("", 1, False, False)]:
    requests = x["start"](["xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE, text=True)
    time.sleep(0.2)  # watching before anything is asked
    before = position()
    start = centre(w.find("label", handle)) if handle else (before[0] + 10, before[1] + 300)
    xdotool("mousemove", *start, "mousedown" if held else "click", button, "sleep", 0.3)  # or an instant click
    for step in (1, 20, 40, 60):  # a hand starts a drag with a step of a pixel or so
        xdotool("mousemove", start[0] + step, start[1] + step * 4 // 5, "sleep", 0.06)
    xdotool("mouseup", button, "sleep", 0.3)
    requests.terminate()
    moved = abs(position()[0] - before[0] - 60) + abs(position()[1] - before[1] - 48) <= 2
    asked = "_NET_WM_MOVERESIZE" in requests.communicate()[0]
    (moved, asked) == (moves, moves) or x["fail"]("%r button %d: moved %s, move asked %s" % (handle, button, moved, asked))


def samples(w, width):  # on the root window, tiled with 256 x 256 pixels that all differ
    x["wait_for"]("the window's width", lambda: xdotool("getwindowgeometry", "--shell", search("^Marivell v")[0])
                  .split()[3] == "WIDTH=%d" % width)
    w.press("Color picker")
    for px, py in ((300, 800), (301, 801), (302, 855), (351, 910)):
        xdotool("mousemove", px, py)
        x["wait_for"]("the pixel beside %d, %d" % (px, py), lambda: w.find("image", "Preview").description
                      .startswith("Colour %d, %d, 90 " % ((px + 1) % 256, (py + 1) % 256)))
    w.press("Color picker")


pattern = os.path.join(x["work"], "pattern.ppm")
open(pattern, "wb").write(b"P6 256 256 255\n" + bytes(v for y in range(256) for x_ in range(256) for v in (x_, y, 90)))
subprocess.run(["display", "-window", "root", pattern])
samples(w, 384)
w.app.terminate()
samples(x["Marivell"](sys.argv[1], QT_SCALE_FACTOR="1.5"), 576)
