"""The window dragged by its background under openbox.

A left drag moves the window by exactly the pointer's travel from the press,
whatever its steps. A click asks for no move and leaves none running,
whichever of its release and the window manager comes first. Places are read
from the X server, the move requests on the root window through xev.

Usage: tst_x11_drag.py MARIVELL
"""

import contextlib
import os
import signal
import subprocess
import sys

from accessiblewindow import AccessibleWindow
from privatedesktop import on_desktop, require, run_checks, wait_for, xdotool

BACKGROUND = (10, 300)  # from the window's top-left corner
CHECK_DRAG = [(-6, 4)] * 4  # away from where a wrong move would take the window
MARKER = "drag-marker"  # a window only openbox moves
XEV_MARKER = "(_NET_DESKTOP_VIEWPORT)"


def top_left(name):
    """A window's top-left corner as the X server has it; None before it is there."""
    info = subprocess.run(["xwininfo", "-name", name], capture_output=True, text=True).stdout
    corner = [line.split(":")[1] for line in info.splitlines() if "Absolute upper-left" in line]
    return tuple(map(int, corner)) or None


def plus(a, b):
    return a[0] + b[0], a[1] + b[1]


@contextlib.contextmanager
def stopped(process):
    """What reaches the process meanwhile waits for it, in order."""
    process.send_signal(signal.SIGSTOP)
    try:
        yield
    finally:
        process.send_signal(signal.SIGCONT)


class MoveRequests:
    """Counts the _NET_WM_MOVERESIZE requests that reach the root window, as xev reports them."""

    def __init__(self, desktop):
        self.xev = desktop.start(["xev", "-root", "-event", "substructure"],
                                 stdout=subprocess.PIPE)
        os.set_blocking(self.xev.stdout.fileno(), False)
        self.text = ""

        def watching():
            xdotool("set_desktop", 0)  # switching to the desktop shown changes nothing
            return "(_NET_CURRENT_DESKTOP)" in self.read()

        wait_for("xev watching the root window", watching)

    def read(self):
        """All xev reported so far, kept in self.text."""
        with contextlib.suppress(BlockingIOError):
            while chunk := os.read(self.xev.stdout.fileno(), 1 << 16):
                self.text += chunk.decode(errors="replace")
        return self.text

    def count(self):
        """The requests since the last count: those ahead of a marker sent now."""
        xdotool("set_desktop_viewport", 0, 0)  # openbox has no viewports
        wait_for("xev's marker", lambda: XEV_MARKER in self.read())
        before, self.text = self.text.split(XEV_MARKER, 1)
        return before.count("(_NET_WM_MOVERESIZE)")


class DragChecks:
    def __init__(self, desktop, program):
        require("xdotool", "xev", "xwininfo", "xmessage")
        self.openbox = desktop.window_manager
        desktop.start(["xmessage", "-name", MARKER, "-geometry", "40x20+0+0", " "])
        self.marker_at = wait_for("the marker window", lambda: top_left(MARKER))
        self.window = AccessibleWindow(desktop, program)
        self.requests = MoveRequests(desktop)
        wait_for("the window on the X server", self.position)

    def position(self):
        return top_left(self.window.frame.name)

    def settle(self):
        """Waits until openbox has handled what the X server gave it so far."""
        moved = self.marker_at
        xdotool("search", "--name", MARKER, "windowmove", 40 if moved[0] < 20 else 0, 0)
        wait_for("openbox moving the marker", lambda: top_left(MARKER) != moved)
        self.marker_at = top_left(MARKER)

    def press_and_move(self, start, steps, at_once=False):
        """Presses at start and moves by each step in turn, one xdotool call a
        step; at_once, the press and the steps in one call, as a flick."""
        calls = [["mousemove", *start, "mousedown", 1]]
        for step in steps:
            start = plus(start, step)
            calls.append(["mousemove", *start])
        for call in [sum(calls, [])] if at_once else calls:
            xdotool(*call)
        return start

    def drag(self, start, steps, at_once=False):
        """A left drag that must move the window by exactly the pointer's travel."""
        before = self.position()
        end = self.press_and_move(start, steps, at_once=at_once)
        wanted = plus(before, (end[0] - start[0], end[1] - start[1]))

        # Openbox moves the window at the motions after it took the move over,
        # which may be after the last step: the pointer steps off and back.
        def followed():
            xdotool("mousemove_relative", 1, 0, "mousemove", *end)
            self.settle()
            return self.position() == wanted

        with contextlib.suppress(TimeoutError):
            wait_for("the window at %s" % (wanted,), followed, timeout=20)
        xdotool("mouseup", 1)
        self.settle()
        assert self.position() == wanted, "from %s to %s, not %s" % (before, self.position(),
                                                                   wanted)

    def watch(self):
        """Where the window stands; the requests from here on are counted."""
        self.requests.count()
        return self.position()

    def only_the_next_drag_moves_it(self, before):
        """After whatever the window had to handle first, no move is running and
        only the next drag's was asked for."""
        self.drag(plus(before, BACKGROUND), CHECK_DRAG)
        assert self.position() == plus(before, (-24, 16)), (before, self.position())
        requests = self.requests.count()
        assert requests == 1, "%d move requests" % requests

    def check_a_drag_moves_the_window_by_exactly_the_pointers_travel(self):
        for steps, at_once in [([(12, 8)] * 5, False),  # by 60, 40
                               ([(1, 1), (-30, -20), (-61, -41)], False),  # a pixel first
                               ([(3, -2), (-40, -12)], False),  # a small first step
                               ([(25, 5), (50, 10), (75, 15)], True)]:  # a flick
            self.drag(plus(self.position(), BACKGROUND), steps, at_once)

    def check_a_click_released_before_its_motion_is_handled_asks_for_no_move(self):
        before = self.watch()
        with stopped(self.window.process):  # as on a busy machine
            self.press_and_move(plus(before, BACKGROUND), [(3, 2)])
            xdotool("mouseup", 1, "mousemove_relative", 40, 30)
        # Its motion, handled after the next drag's press, would find the button down.
        # Waits until marivell has handled the input it had queued: it loses
        # the focus to the marker only after that.
        xdotool("search", "--name", MARKER, "windowfocus", "--sync")
        wait_for("marivell handling its queued input", lambda: not self.window.active())
        self.only_the_next_drag_moves_it(before)

    def check_a_release_that_reaches_the_window_cancels_its_move(self):
        before = self.watch()
        xdotool("mousemove", *plus(before, BACKGROUND), "mousedown", 1)
        self.settle()  # openbox has passed the press on: a click focuses and raises
        with stopped(self.openbox):  # it takes the move over only after the release
            xdotool("mousemove_relative", 3, 2)
            wait_for("the move asked for", self.requests.count, timeout=20)
            xdotool("mouseup", 1)
            wait_for("the move cancelled", self.requests.count, timeout=20)
            xdotool("mousemove_relative", 40, 30)
        self.only_the_next_drag_moves_it(before)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(on_desktop("openbox", True,
                        lambda desktop: run_checks(DragChecks(desktop, *sys.argv[1:]))))
