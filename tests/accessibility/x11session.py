"""A running marivell on its own accessibility bus, for black-box tests.

The window is found the way assistive technology finds it: through AT-SPI, by
role and accessible name. Every wait polls with a deadline; nothing sleeps
for a fixed time and hopes.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77  # CTest's SKIP_RETURN_CODE for these tests
PATIENCE = 60.0  # seconds; generous for a busy two-core machine


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def require_tools(*tools):
    for tool in tools:
        if shutil.which(tool) is None:
            skip(tool + " is not installed")


BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]


def import_pyatspi():
    if not any(os.path.exists(launcher) for launcher in BUS_LAUNCHERS):
        skip("at-spi2-core is not installed")
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        import pyatspi
    except (ImportError, ValueError) as e:
        skip("pyatspi is not available to " + sys.executable + ": " + str(e))
    return pyatspi


def on_private_bus():
    """Re-runs this script inside its own D-Bus session, where the
    accessibility bus is started on demand and shared with no one."""
    if os.environ.get("MARIVELL_PRIVATE_BUS") == "1":
        return
    require_tools("dbus-run-session")
    env = dict(os.environ, MARIVELL_PRIVATE_BUS="1")
    for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
        env.pop(name, None)
    argv = ["dbus-run-session", "--", sys.executable] + sys.argv
    os.execvpe("dbus-run-session", argv, env)


def wait_for(what, probe, timeout=PATIENCE, pump=None):
    """Polls probe() until it returns something true; fails with what."""
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


class Session:
    """marivell on the X server of DISPLAY (see tests/x11/with-x11), with
    accessibility switched on. platform=None leaves Qt's platform to the
    program, as a user's start does; env changes its environment (None
    unsets a variable)."""

    def __init__(self, program, platform="xcb", env=None):
        self.program = program
        self.platform = platform
        self.extra_env = env or {}
        self.app = None
        self.runtime = tempfile.TemporaryDirectory(prefix="marivell-a11y-")
        self.log_path = os.path.join(self.runtime.name, "marivell.log")

    def __enter__(self):
        if not os.environ.get("DISPLAY"):
            skip("no X display: run through tests/x11/with-x11")
        if not os.access(self.program, os.X_OK):
            fail("no program at " + self.program)
        os.chmod(self.runtime.name, 0o700)
        env = dict(os.environ)
        env.update(
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            XDG_RUNTIME_DIR=self.runtime.name,
        )
        env.pop("QT_QPA_PLATFORM", None)
        if self.platform:
            env["QT_QPA_PLATFORM"] = self.platform
        for name, value in self.extra_env.items():
            if value is None:
                env.pop(name, None)
            else:
                env[name] = value
        self.log = open(self.log_path, "w")
        self.app = subprocess.Popen([self.program], env=env, stdout=self.log, stderr=self.log)
        return self

    def __exit__(self, kind, value, trace):
        if self.app.poll() is None:
            self.app.terminate()
            try:
                self.app.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.app.kill()
                self.app.wait()
        self.log.close()
        passed = kind is None or (kind is SystemExit and value.code in (0, None, SKIP))
        if not passed:
            with open(self.log_path) as log:
                output = log.read().strip()
            if output:
                print("--- marivell said:\n" + output)
        self.runtime.cleanup()
        return False

    def running(self):
        if self.app.poll() is not None:
            fail("marivell exited with status %d" % self.app.returncode)
        return True

    def xclip(self, selection):
        """The text on an X selection ("clipboard" or "primary"), read while marivell runs."""
        self.running()
        result = subprocess.run(["xclip", "-o", "-selection", selection], capture_output=True,
                                text=True, timeout=20)
        return result.stdout if result.returncode == 0 else None

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=20)


class Window:
    """The window's controls, found through AT-SPI."""

    def __init__(self, pyatspi, session):
        self.pyatspi = pyatspi
        self.session = session
        self.app = wait_for("marivell on the accessibility bus", self._find_app)
        self.frame = wait_for("the window's frame", self._find_frame)

    def _find_app(self):
        self.session.running()
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.session.app.pid:
                    return app
            except Exception:
                continue  # an application that left the bus meanwhile
        return None

    def _find_frame(self):
        self.app.clearCache()
        for i in range(self.app.childCount):
            child = self.app.getChildAtIndex(i)
            if child is not None and child.getRoleName() == "frame":
                return child
        return None

    def controls(self):
        """Every accessible below the frame, as (role name, name, accessible)."""
        found = []

        def walk(node):
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is None:
                    continue
                found.append((child.getRoleName(), child.name, child))
                walk(child)

        walk(self.frame)
        return found

    def find(self, roles, name):
        matches = [a for role, n, a in self.controls() if role in roles and n == name]
        if len(matches) != 1:
            fail("%d controls with a role in %s named %r" % (len(matches), roles, name))
        return matches[0]

    def states(self, accessible):
        accessible.clearCache()
        return {self.pyatspi.stateToString(s) for s in accessible.getState().getStates()}

    @staticmethod
    def text(accessible):
        text = accessible.queryText()
        return text.getText(0, text.characterCount)

    @staticmethod
    def value(accessible):
        return accessible.queryValue().currentValue

    def centre(self, accessible):
        """The control's centre in screen coordinates."""
        extents = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

    def do_action(self, accessible, name):
        action = accessible.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == name:
                return action.doAction(i)
        fail("%r offers no action %r" % (accessible.name, name))
