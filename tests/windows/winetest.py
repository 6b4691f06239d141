"""A test with a Windows of its own: a fresh Wine prefix (WINE_PREFIX_SCRIPT makes
it) and a virtual screen, and the program's window in it."""

import os
import subprocess
import tempfile
import unittest

from programwindow import find_window, window_geometry
from xsession import XSession, wait_for


class WineTest(unittest.TestCase):
    def setUp(self):
        self.folder = self.enterContext(tempfile.TemporaryDirectory())
        self.drive = os.path.join(self.folder, "wine", "drive_c")
        subprocess.run([os.environ["WINE_PREFIX_SCRIPT"], os.path.dirname(self.drive)], check=True)
        self.session = self.enterContext(XSession())
        # Bulgarian regional settings; UTF-8 file names keep the shortcut's Cyrillic name.
        env = {key: value for key, value in self.session.environment().items() if key[:3] != "LC_"}
        self.env = dict(env, WINEPREFIX=os.path.dirname(self.drive), WINEDEBUG="-all",
                        LANG="bg_BG.UTF-8", LC_CTYPE="C.UTF-8")
        self.addCleanup(subprocess.run, ["wineserver", "--kill"], env=self.env)

    def wine(self, *command):
        """Runs a Windows program, and all it starts, to the end."""
        result = subprocess.run(["wine", *command], env=self.env, capture_output=True, timeout=120)
        subprocess.run(["wineserver", "--wait"], env=self.env, check=True, timeout=60)
        return result.returncode

    def screenshot(self):
        shot = os.path.join(self.folder, "window.png")
        self.session.run("import", "-window", "root", shot)
        return shot

    def start(self, program, **env):
        """Starts a Windows program, env added to its environment, and finds its window."""
        self.process = self.session.start(["wine", program], extra_env=dict(self.env, **env))
        self.window = wait_for(lambda: self.process.poll() is None and find_window(self.session), timeout=60)
        self.origin, self.size = window_geometry(self.session, self.window)

    def click(self, x, y):
        self.session.run("xdotool", "mousemove", str(self.origin[0] + x), str(self.origin[1] + y), "click", "1")

    def close(self):
        """Closes the window with Alt+F4, which comes after the clicks (where a
        window manager's request to close could overtake them), and returns the
        program's exit status."""
        self.session.run("xdotool", "windowfocus", "--sync", self.window, "key", "alt+F4")
        return self.process.wait(30)
