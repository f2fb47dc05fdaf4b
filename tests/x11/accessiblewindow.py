"""Marivell as assistive technology meets it: its controls, found on AT-SPI by
role and accessible name, read and used through their interfaces."""

import importlib
import os

from privatedesktop import MissingTool, wait_for


class AccessibleWindow:
    """Starts marivell on the desktop as a user starts it, with accessibility on."""

    def __init__(self, desktop, program, **environment):
        # Not before the desktop is up: pyatspi finds the accessibility bus when
        # it is imported.
        try:
            importlib.import_module("gi").require_version("Atspi", "2.0")
            self.pyatspi = importlib.import_module("pyatspi")
        except (ImportError, ValueError) as error:
            raise MissingTool("pyatspi: %s" % error) from error
        self.process = desktop.start(
            [program], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **environment))
        self.frame = wait_for("marivell on AT-SPI", self._find_frame)

    def _find_frame(self):
        if self.process.poll() is not None:
            raise RuntimeError("marivell exited with status %d" % self.process.returncode)
        desktop = self.pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            application = desktop.getChildAtIndex(index)
            try:
                if application is None or application.get_process_id() != self.process.pid:
                    continue
                frame = application.getChildAtIndex(0)
            except Exception:  # noqa: BLE001 - an application may be leaving the bus
                continue
            if frame is not None and frame.getRoleName() == "frame":
                return frame
        return None

    def stop(self):
        self.process.terminate()
        self.process.wait()

    def controls(self, node=None):
        """(role, name, accessible) of everything below the frame."""
        found = []
        node = node or self.frame
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                found.append((child.getRoleName(), child.name, child))
                found.extend(self.controls(child))
        return found

    def find(self, role, name):
        found = [accessible for r, n, accessible in self.controls() if (r, n) == (role, name)]
        assert len(found) == 1, "%d %s controls named %r" % (len(found), role, name)
        return found[0]

    def text(self, name):
        text = self.find("text", name).queryText()
        return text.getText(0, text.characterCount)

    def pressed(self, name):
        button = self.find("push button", name)
        button.clearCache()
        return self.pyatspi.STATE_PRESSED in button.getState().getStates()

    def active(self):
        self.frame.clearCache()
        return self.pyatspi.STATE_ACTIVE in self.frame.getState().getStates()

    def press(self, name):
        """Presses the push button name through its action."""
        action = self.find("push button", name).queryAction()
        names = [action.getName(index) for index in range(action.nActions)]
        action.doAction(names.index("Press"))

    def centre(self, role, name):
        extents = self.find(role, name).queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

    def preview_description(self):
        return self.find("image", "Preview").description
