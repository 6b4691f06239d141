#!/usr/bin/python3
"""The program under Wine as a screen reader meets it, through a stand-in for
UIAutomationCore.dll (STANDIN) that logs each call: a screen reader's first
contact (FIRST_CONTACT), then a firm and "Избери", "Избери", "Изчисти", "Избери";
with the stand-in beside the program, in System32 deaf and listening, then Wine's own."""

import os
import shutil
import subprocess
import sys
import unittest

from programwindow import BUTTONS, FIRST_ROW
from winetest import WineTest

PROGRAM, STANDIN, FIRST_CONTACT = sys.argv[1:4]
del sys.argv[1:4]
PRESSES = [FIRST_ROW] + [BUTTONS[button] for button in ("Избери", "Избери", "Изчисти", "Избери")]
# What a screen reader is told at each "Избери": a notification of kind
# "other" (4), to be said at once, each in full (0).
HEARD = [["4", "0", words, ""] for words in ["Избрана фирма: Спиди"] * 2 + ["Изберете фирма!"]]


class HeardOnWindows(WineTest):
    def use(self, program, dll, **env):
        """The stand-in's log of a run of program with that DLL through the
        first contact and the presses: each call and what it was given."""
        log = os.path.join(self.drive, "uia.log")
        self.start(program, WINEDLLOVERRIDES=f"mscoree,mshtml=;uiautomationcore={dll}",
                   UIA_CALLS_LOG=r"C:\uia.log", **env)
        subprocess.run(["wine", FIRST_CONTACT], env=self.env, timeout=60, check=True)
        for press in PRESSES:
            self.click(*press)
        self.assertEqual(self.close(), 0)
        with open(log if os.path.exists(log) else os.devnull, encoding="utf-8") as lines:
            calls = [line[:-1].split("\t") for line in lines]
        if calls:
            os.remove(log)
        return calls

    def test_each_answer_is_announced(self):
        # A DLL of Windows' own name beside the program stays unloaded.
        desktop = os.path.join(self.drive, "users", "Public", "Desktop")
        shutil.copy(PROGRAM, desktop)
        shutil.copy(STANDIN, os.path.join(desktop, "uiautomationcore.dll"))
        self.assertEqual(self.use(os.path.join(desktop, os.path.basename(PROGRAM)), "n,b"), [])

        shutil.copy(STANDIN, os.path.join(self.drive, "windows", "system32", "uiautomationcore.dll"))
        def notifications(calls):
            return [call[2:] for call in calls if call[0] == "UiaRaiseNotificationEvent"]
        deaf = self.use(PROGRAM, "n", UIA_LISTENING="no")
        self.assertIn(["UiaClientsAreListening", "0"], deaf)
        self.assertEqual(notifications(deaf), [])
        self.assertEqual(notifications(self.use(PROGRAM, "n")), HEARD)
        self.assertEqual(self.use(PROGRAM, "b"), [], "Wine's own DLL was not the one loaded")


if __name__ == "__main__":
    unittest.main(verbosity=2)
