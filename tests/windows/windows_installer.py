#!/usr/bin/python3
"""Installs courier-firms from its Windows installer, silently, into a fresh
Wine prefix with Bulgarian regional settings; checks what it put where
Windows looks; asks the installed program for its version; starts it on a virtual
screen, checks its window, clicks a button and closes it; then uninstalls it
and checks that nothing is left.

usage: windows_installer.py INSTALLER
(WINE_PREFIX_SCRIPT names scripts/wine-prefix; PYTHONPATH has tests/e2e)"""

import os
import subprocess
import sys
import tempfile
import unittest

from programwindow import BUTTONS, COLOURS, TITLE, close_window, find_window
from xsession import XSession, wait_for

INSTALLER = sys.argv.pop(1)
NAME = "Куриерски фирми"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\courier-firms"
# The list's place in the window: left, top, width, height.
LIST = (16, 48, 160, 98)


class InstalledOnWindows(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.prefix = os.path.join(folder.name, "wine")
        subprocess.run([os.environ["WINE_PREFIX_SCRIPT"], self.prefix], check=True)
        self.session = XSession()
        self.addCleanup(self.session.close)
        # Wine takes its regional settings from LANG, and the character set
        # of file names from LC_CTYPE: UTF-8, which every machine has, keeps
        # the Cyrillic names of the shortcut and its folder.
        env = {key: value for key, value in self.session.environment().items()
               if not key.startswith("LC_")}
        self.env = dict(env, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        LANG="bg_BG.UTF-8", LC_CTYPE="C.UTF-8")
        self.addCleanup(subprocess.run, ["wineserver", "--kill"], env=self.env)
        drive = os.path.join(self.prefix, "drive_c")
        self.folder = os.path.join(drive, "Program Files", "Courier Firms")
        self.program = os.path.join(self.folder, "courier-firms.exe")
        self.shortcut = os.path.join(drive, "ProgramData", "Microsoft", "Windows", "Start Menu",
                                     "Programs", NAME, NAME + ".lnk")

    def wine(self, *command):
        """Runs a Windows program to its end, and every program it started."""
        result = subprocess.run(["wine", *command], env=self.env, capture_output=True, timeout=120)
        subprocess.run(["wineserver", "--wait"], env=self.env, check=True, timeout=60)
        return result

    def uninstall_entry(self):
        """The entry among the installed programs, as regedit writes it."""
        exported = os.path.join(self.prefix, "drive_c", "entry.reg")
        if self.wine("reg", "export", UNINSTALL_KEY, "C:\\entry.reg", "/y").returncode != 0:
            return ""
        with open(exported, encoding="utf-16") as entry:
            return entry.read()

    @staticmethod
    def pixel(image, x, y):
        return subprocess.run(["convert", image, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                              check=True, capture_output=True, text=True).stdout.strip()

    def test_install_use_and_uninstall(self):
        self.assertEqual(self.wine(INSTALLER, "/S").returncode, 0)
        self.assertTrue(os.path.isfile(self.program))
        self.assertTrue(os.path.isfile(self.shortcut))
        entry = self.uninstall_entry()
        for value in ("DisplayName", NAME, "DisplayVersion", "1.00", "Publisher",
                      "courier-firms.example.org", "DisplayIcon", "courier-firms.exe"):
            self.assertIn(value, entry)

        # The .exe needs nothing but what Windows itself has: its DLLs, and
        # the API sets its loader resolves.
        imports = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", self.program], check=True,
                                 capture_output=True, text=True).stdout
        system = os.path.join(self.prefix, "drive_c", "windows", "system32")
        dlls = [line.split()[-1] for line in imports.splitlines() if "DLL Name:" in line]
        self.assertTrue(dlls)
        for dll in dlls:
            self.assertTrue(dll.startswith("api-ms-win-") or
                            os.path.exists(os.path.join(system, dll.lower())), dll)

        # A windowed program answers --version in a message box, which Enter
        # closes.
        process = self.session.start(["wine", self.program, "--version"], extra_env=self.env)
        box = wait_for(lambda: process.poll() is None and find_window(self.session, "^courier-firms$"),
                       timeout=60, what="the message box of --version")
        self.session.run("xdotool", "windowfocus", "--sync", box, "key", "Return")
        self.assertEqual(process.wait(30), 0)

        process = self.session.start(["wine", self.program], extra_env=self.env)
        window = wait_for(lambda: process.poll() is None and find_window(self.session),
                          timeout=60, what="the installed program's window")
        geometry = self.session.run("xdotool", "getwindowgeometry", "--shell", window)
        place = dict(line.split("=") for line in geometry.split())
        origin = (int(place["X"]), int(place["Y"]))
        self.assertEqual((int(place["WIDTH"]), int(place["HEIGHT"])), (461, 345))

        with tempfile.TemporaryDirectory() as folder:
            shot = os.path.join(folder, "window.png")

            def colours():
                self.session.run("import", "-window", "root", shot)
                return {(x, y): self.pixel(shot, origin[0] + x, origin[1] + y) for x, y in COLOURS}

            def list_picture():
                self.session.run("import", "-window", "root", shot)
                left, top, width, height = LIST
                return subprocess.run(["convert", shot, "-crop", f"{width}x{height}+{origin[0] + left}"
                                       f"+{origin[1] + top}", "-format", "%#", "info:"],
                                      check=True, capture_output=True, text=True).stdout

            try:
                wait_for(lambda: colours() == COLOURS, what="the window in its colours")
            except AssertionError:
                self.assertEqual(colours(), COLOURS)
            before = list_picture()
            x, y = BUTTONS["Азбучно"]
            self.session.run("xdotool", "mousemove", str(origin[0] + x), str(origin[1] + y), "click", "1")
            wait_for(lambda: list_picture() != before, what="the list in alphabetical order")

        close_window(self.session, window)
        self.assertEqual(process.wait(30), 0)

        uninstaller = os.path.join(self.folder, "Uninstall.exe")
        self.assertEqual(self.wine(uninstaller, "/S").returncode, 0)
        self.assertFalse(os.path.exists(self.folder))
        self.assertFalse(os.path.exists(os.path.dirname(self.shortcut)))
        self.assertEqual(self.uninstall_entry(), "")


if __name__ == "__main__":
    unittest.main(verbosity=2)
