#!/usr/bin/python3
"""The Windows installer used as a person would, in a fresh Wine prefix (WINE_PREFIX_SCRIPT
makes it): a silent install, --version, the window and a click, closing, uninstalling; a refusal on Windows 8.1."""

import os
import subprocess
import sys
import unittest

from programwindow import BUTTONS, COLOURS, find_window, pixel
from winetest import WineTest
from xsession import wait_for

INSTALLER = sys.argv.pop(1)
NAME = "Куриерски фирми"
ENTRY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\courier-firms"


class InstalledOnWindows(WineTest):
    def uninstall_entry(self):
        if self.wine("reg", "export", ENTRY, r"C:\entry.reg", "/y") != 0:
            return ""
        with open(os.path.join(self.drive, "entry.reg"), encoding="utf-16") as entry:
            return entry.read()

    def test_install_use_and_uninstall(self):
        folder = os.path.join(self.drive, "Program Files", "Courier Firms")
        program = os.path.join(folder, "courier-firms.exe")
        menu = os.path.join(self.drive, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", NAME)
        self.assertEqual(self.wine(INSTALLER, "/S"), 0)
        self.assertTrue(os.path.isfile(os.path.join(menu, NAME + ".lnk")))
        entry = self.uninstall_entry()
        for value in (f'"DisplayName"="{NAME}"', '"DisplayVersion"="1.00"',
                      '"Publisher"="courier-firms.example.org"', "courier-firms.exe"):
            self.assertIn(value, entry)

        # Nothing but Windows' own DLLs, and the API sets its loader resolves.
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", program], check=True,
                              capture_output=True, text=True).stdout
        for dll in [line.split()[-1] for line in dump.splitlines() if "DLL Name:" in line]:
            self.assertTrue(dll.startswith("api-ms-win-") or os.path.exists(
                os.path.join(self.drive, "windows", "system32", dll.lower())), dll)

        # A windowed program answers --version in a message box.
        process = self.session.start(["wine", program, "--version"], extra_env=self.env)
        box = wait_for(lambda: find_window(self.session, "^courier-firms$"), timeout=60)
        self.session.run("xdotool", "windowfocus", "--sync", box, "key", "Return")
        self.assertEqual(process.wait(30), 0)

        self.start(program)
        left, top = self.origin
        self.assertEqual(self.size, (461, 345))
        def colours(shot):
            return {(x, y): pixel(shot, left + x, top + y) for x, y in COLOURS}

        def rows():
            return subprocess.run(["convert", self.screenshot(), "-crop", f"150x90+{left + 20}+{top + 50}",
                                   "-format", "%#", "info:"], capture_output=True).stdout
        wait_for(lambda: colours(self.screenshot()) == COLOURS, what=f"the colours {COLOURS}")
        before = rows()
        self.click(*BUTTONS["Азбучно"])
        wait_for(lambda: rows() != before, what="the list in alphabetical order")
        self.assertEqual(self.close(), 0)

        self.assertEqual(self.wine(os.path.join(folder, "Uninstall.exe"), "/S"), 0)
        self.assertFalse(os.path.exists(folder) or os.path.exists(menu))
        self.assertEqual(self.uninstall_entry(), "")

    def test_older_windows_is_refused(self):
        self.wine("winecfg", "/v", "win81")
        self.assertEqual(self.wine(INSTALLER, "/S"), 2)
        self.assertFalse(os.path.exists(os.path.join(self.drive, "Program Files", "Courier Firms")))


if __name__ == "__main__":
    unittest.main(verbosity=2)
