"""A private desktop for the x11 tests, torn down when the test ends.

An X server (Xvfb, 1280x1024 at 96 dpi), optionally under openbox, or weston's
headless Wayland session with XWayland (WAYLAND_DISPLAY, DISPLAY and
XDG_SESSION_TYPE=wayland, as on a Wayland desktop); optionally a session bus
of its own that starts nothing installed on the machine: only the AT-SPI bus
and the services a test starts itself. The desktop's variables go into
os.environ, so every program started afterwards runs on it.
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

SKIP_STATUS = 77  # CTest's SKIP_RETURN_CODE for these tests

# What the caller's own desktop session says about displays, buses, scaling,
# fonts, theme and input (one name a line); the private desktop sets its own.
with open(os.path.join(os.path.dirname(__file__), "..", "session-variables")) as listed:
    SESSION_VARIABLES = [line.strip() for line in listed if line[:1].isupper()]

# The session bus of a desktop session, less the services installed on the
# machine: it starts only those listed in its own service folder.
BUS_CONFIG = """<busconfig>
  <type>session</type>
  <listen>unix:dir={work}</listen>
  <auth>EXTERNAL</auth>
  <servicedir>{services}</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# The accessibility bus, which Qt and pyatspi ask the session bus for.
ACCESSIBILITY_SERVICE = """[D-BUS Service]
Name=org.a11y.Bus
Exec=/usr/libexec/at-spi-bus-launcher
"""


class MissingTool(Exception):
    """A program the test needs is not installed."""


def require(*tools):
    for tool in tools:
        if not shutil.which(tool):
            raise MissingTool(tool + " is not installed")


def wait_for(what, probe, timeout=60):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError("timed out waiting for " + what)
        time.sleep(0.05)


class PrivateDesktop:
    """with PrivateDesktop("openbox", bus=True) as desktop: ...

    kind is "x11" (a bare X server), "openbox" (with that window manager) or
    "weston" (a Wayland session with XWayland).
    """

    def __init__(self, kind="x11", bus=False):
        self.kind = kind
        self.bus = bus
        self.window_manager = None  # openbox's process
        self._started = []

    def __enter__(self):
        self.work = tempfile.mkdtemp(prefix="with-x11-")
        try:
            for name in SESSION_VARIABLES:
                os.environ.pop(name, None)
            if self.kind == "weston":
                self._start_weston()
            else:
                self._start_x_server()
            if self.bus:
                self._start_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exception):
        for process in reversed(self._started):
            process.terminate()
            process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    def start(self, argv, **options):
        """Starts a program that lives until the desktop ends."""
        options.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(argv, **options)
        self._started.append(process)
        return process

    def _start_x_server(self):
        require("Xvfb", *(["openbox", "xprop"] if self.kind == "openbox" else []))
        # Xvfb picks a free display and writes its number here once it is ready.
        read_end, write_end = os.pipe()
        server = self.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-dpi", "96", "-nolisten", "tcp", "-noreset"],
                            pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        # Xvfb writes the number and the line end apart, and dies if the
        # second write finds the pipe closed: read the whole line.
        with os.fdopen(read_end) as reply:
            display = reply.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        os.environ.update(DISPLAY=":" + display, WITH_X11_SERVER_PID=str(server.pid),
                          XDG_SESSION_TYPE="x11", QT_QPA_PLATFORM="xcb")
        if self.kind == "openbox":
            self.window_manager = self.start(
                ["openbox", "--sm-disable", "--config-file", "/etc/xdg/openbox/rc.xml"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_for("openbox", lambda: "window id" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                text=True).stdout)

    def _start_weston(self):
        require("weston", "Xwayland")
        log = os.path.join(self.work, "weston.log")
        os.environ.update(XDG_RUNTIME_DIR=self.work, XDG_SESSION_TYPE="wayland",
                          WAYLAND_DISPLAY=os.path.join(self.work, "wayland-test"))
        self.start(["weston", "--backend=headless-backend.so", "--xwayland",
                    "--socket=wayland-test", "--idle-time=0", "--no-config", "--log=" + log],
                   stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = wait_for("XWayland", lambda: self._xwayland_display(log))

    @staticmethod
    def _xwayland_display(log):
        if not os.path.exists(log):
            return None
        said = pathlib.Path(log).read_text().split("xserver listening on display ")
        return said[1].split()[0] if len(said) > 1 else None

    def _start_bus(self):
        require("dbus-daemon")
        services = pathlib.Path(self.work, "services")
        services.mkdir()
        (services / "org.a11y.Bus.service").write_text(ACCESSIBILITY_SERVICE)
        config = pathlib.Path(self.work, "session-bus.conf")
        config.write_text(BUS_CONFIG.format(work=self.work, services=services))
        bus = self.start(["dbus-daemon", "--config-file=%s" % config, "--print-address",
                          "--nofork"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                         text=True)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()


def xdotool(*args, check=True):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                          check=check).stdout


def run_checks(suite):
    """Runs the methods of suite named check_..., in the order they are written,
    and reports each; 1 if any failed.

    A check raises (AssertionError, TimeoutError, ...) when the behaviour it is
    named after is broken. The checks share one desktop and may build on each
    other, but a failure does not stop the ones after it.
    """
    checks = [name for name in vars(type(suite)) if name.startswith("check_")]
    failed = []
    for name in checks:
        try:
            getattr(suite, name)()
        except MissingTool:
            raise
        except Exception:  # noqa: BLE001 - every failure is reported, then the next check runs
            failed.append(name)
            print("FAIL: " + name, flush=True)
            traceback.print_exc(file=sys.stdout)
        else:
            print("PASS: " + name, flush=True)
    if failed:
        print("failed: " + ", ".join(failed))
    return 1 if failed else 0


def on_desktop(kind, bus, run):
    """Returns run(desktop) on a new private desktop, or SKIP_STATUS (CTest's
    skip, which scripts/test counts as a failure) naming a missing tool."""
    try:
        with PrivateDesktop(kind, bus) as desktop:
            return run(desktop)
    except MissingTool as missing:
        print("SKIP: " + str(missing), flush=True)
        return SKIP_STATUS
