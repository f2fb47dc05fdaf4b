"""The copy gesture on a real X server, read back with xclip while marivell
runs (with no clipboard manager, copied text leaves with the program).

Usage: copy_x11.py PATH-TO-MARIVELL
"""

import subprocess
import sys

import x11session as x
from x11session import fail, wait_for

TEXT = ("text",)


def offer_clipboard(session, text):
    """Puts text on CLIPBOARD as another program would."""
    subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text, text=True,
                   check=True, timeout=20)
    wait_for("xclip to own the clipboard", lambda: session.xclip("clipboard") == text)


def click(session, w, accessible):
    cx, cy = w.centre(accessible)
    session.xdotool("mousemove", cx, cy, "click", "1")


def tooltip_says_copied(w):
    w.app.clearCache()
    for i in range(w.app.childCount):
        child = w.app.getChildAtIndex(i)
        if child is not None and child.getRoleName() == "tool tip" and child.name == "Copied":
            return True
    return False


def main():
    if len(sys.argv) != 2:
        fail(__doc__)
    x.on_private_bus()
    pyatspi = x.import_pyatspi()
    x.require_tools("xclip", "xdotool")
    with x.Session(sys.argv[1]) as session:
        w = x.Window(pyatspi, session)
        # The keys need the focus, which only a window manager gives.
        wait_for("the window to be active", lambda: "active" in w.states(w.frame))
        html = w.find(TEXT, "HTML")
        kml = w.find(TEXT, "KML")
        wait_for("the first colour", lambda: w.text(html) == "#A281FF")

        offer_clipboard(session, "from another program")
        click(session, w, html)
        wait_for("a click to copy HTML", lambda: session.xclip("clipboard") == "#A281FF")
        if session.xclip("primary") != "#A281FF":
            fail("the click did not select the whole HTML text: %r" % session.xclip("primary"))
        wait_for("the Copied tooltip", lambda: tooltip_says_copied(w))
        print("ok: one click copied HTML to CLIPBOARD and PRIMARY, with a tooltip")

        offer_clipboard(session, "7f00ff00")
        click(session, w, kml)
        wait_for("the KML text to be selected", lambda: session.xclip("primary") == "ffff81a2")
        if session.xclip("clipboard") != "7f00ff00":
            fail("a click into the KML box overwrote the clipboard")
        print("ok: a click into the KML box selected it and kept the clipboard for a paste")

        session.xdotool("key", "--clearmodifiers", "End", "BackSpace", "1")
        wait_for("the KML box to take typing", lambda: w.text(kml) == "ffff81a1")
        session.xdotool("key", "--clearmodifiers", "Return")
        wait_for("Return to copy the KML box", lambda: session.xclip("clipboard") == "ffff81a1")
        print("ok: the KML box took typing, and Return copied it")
        session.running()


if __name__ == "__main__":
    main()
