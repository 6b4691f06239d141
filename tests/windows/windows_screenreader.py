#!/usr/bin/python3
"""The program under Wine as a screen reader meets it, through a stand-in for
UIAutomationCore.dll (STANDIN) that logs each call: "Избери" pressed before
anybody listens, a screen reader's first contact (FIRST_CONTACT), then a firm
and "Избери", "Избери", "Изчисти", "Избери". Then with Wine's own DLL."""

import os
import shutil
import subprocess
import sys
import unittest

from programwindow import BUTTONS, FIRST_ROW
from winetest import WineTest
from xsession import wait_for

PROGRAM, STANDIN, FIRST_CONTACT = sys.argv[1:4]
del sys.argv[1:4]
PRESSES = [FIRST_ROW] + [BUTTONS[button] for button in ("Избери", "Избери", "Изчисти", "Избери")]
# What a screen reader is told at each "Избери": an action completed (2), to
# be said at once in place of any older one not yet said (1).
HEARD = [["2", "1", words, "courier-firms.answer"] for words in ["Избрана фирма: Спиди"] * 2 + ["Изберете фирма!"]]


class HeardOnWindows(WineTest):
    def calls(self, name=None):
        """The stand-in's log: each call (of that name) and what it was given."""
        log = os.path.join(self.drive, "uia.log")
        with open(log if os.path.exists(log) else os.devnull, encoding="utf-8") as lines:
            return [call for call in (line[:-1].split("\t") for line in lines) if name in (None, call[0])]

    def use(self, dll, before_contact=lambda: None):
        """Runs the program with that DLL through the first contact and the presses."""
        self.start(PROGRAM, WINEDLLOVERRIDES=f"mscoree,mshtml=;uiautomationcore={dll}", UIA_CALLS_LOG=r"C:\uia.log")
        before_contact()
        subprocess.run(["wine", FIRST_CONTACT], env=self.env, timeout=60, check=True)
        for press in PRESSES:
            self.click(*press)
        self.assertEqual(self.close(), 0)

    def test_each_answer_is_announced(self):
        shutil.copy(STANDIN, os.path.join(self.drive, "windows", "system32", "uiautomationcore.dll"))
        self.use("n", lambda: self.click(*BUTTONS["Избери"]) or wait_for(self.calls, what="the first press"))
        calls, notifications = self.calls(), self.calls("UiaRaiseNotificationEvent")
        # Before the first contact the announcer only asks whether anybody listens.
        self.assertEqual(calls[0], ["UiaClientsAreListening", "0"])
        self.assertEqual(calls[1][0], "UiaReturnRawElementProvider")
        self.assertEqual([call[2:] for call in notifications], HEARD)
        # From the element of the announcer's window, let go when the window goes.
        roots = {provider: window for _, window, provider in self.calls("UiaReturnRawElementProvider")}
        providers = {call[1] for call in notifications}
        self.assertEqual([roots.get(provider) for provider in providers], ["CourierFirmsAnnouncer"])
        self.assertIn(["UiaDisconnectProvider", *providers], calls)

        self.use("b")
        self.assertEqual(self.calls(), calls, "Wine's own DLL was not the one loaded")


if __name__ == "__main__":
    unittest.main(verbosity=2)
