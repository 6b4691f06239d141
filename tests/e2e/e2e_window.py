#!/usr/bin/python3
"""Starts the built program in a real X server and uses it as a person would:
clicks with the mouse, presses a button through the screen reader's press
action, reads the list and the text box back through the accessibility bus,
checks the colours on a screenshot, and closes the window."""

import os
import sys
import tempfile
import unittest

from programwindow import (ALPHABETICAL, BUTTONS, BY_LENGTH, COLOURS, FIRST_ROW, TASK_START, TEXT_NAME,
                           USER_ORDER, ProgramWindow, pixel)
from xsession import XSession, wait_for

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/app/courier-firms"


class ProgramInXServer(unittest.TestCase):
    def setUp(self):
        self.session = XSession()
        self.addCleanup(self.session.close)
        self.program = ProgramWindow(self.session, PROGRAM)
        self.addCleanup(self.program.kill)

    def click(self, button):
        self.program.click(*BUTTONS[button])

    def assert_list_becomes(self, expected):
        wait_for(lambda: self.program.list_items() == expected, timeout=15,
                 what=f"list {expected[:3]}...")

    def assert_text_becomes(self, expected):
        wait_for(lambda: self.program.text() == expected, timeout=15, what=f"text {expected!r}")

    def assert_heard(self, expected):
        wait_for(lambda: self.program.announcements() == expected, timeout=15,
                 what=f"a screen reader to be told {expected}")

    def test_a_session_with_the_mouse_and_the_screen_reader(self):
        atspi = self.program.atspi
        self.assertEqual(self.program.size, (461, 345))
        self.assertEqual(self.program.list_items(), USER_ORDER)
        self.assertTrue(self.program.text().startswith(TASK_START))
        # A screen reader meets what a sighted user sees: one list, one text box.
        for role in (atspi.ROLE_LIST, atspi.ROLE_TEXT):
            self.assertEqual(len(atspi.findAllDescendants(
                self.program.app, lambda node, role=role: node is not None and node.getRole() == role)), 1)

        self.session.run("xdotool", "windowfocus", "--sync", self.program.window)
        box = self.program.find(atspi.ROLE_TEXT, TEXT_NAME)
        wait_for(lambda: box.getState().contains(atspi.STATE_FOCUSED), what="the focus on the text box")

        self.click("Дължина")
        self.assert_list_becomes(BY_LENGTH)

        self.program.hear_announcements()
        self.program.click(*FIRST_ROW)
        self.click("Избери")
        self.assert_text_becomes("Избрана фирма: DHL\n")
        self.assert_heard([("Избери", "Избрана фирма: DHL")])

        self.click("Изчисти")
        self.assert_list_becomes(USER_ORDER)
        self.assert_text_becomes("")

        self.click("Избери")
        self.assert_text_becomes("Изберете фирма!\n")
        self.click("Избери")
        self.assert_heard([("Избери", "Избрана фирма: DHL")] + [("Избери", "Изберете фирма!")] * 2)

        action = self.program.find(atspi.ROLE_PUSH_BUTTON, "Азбучно").queryAction()
        press = [i for i in range(action.nActions) if action.getName(i) == "Press"]
        self.assertTrue(press, "the button has no press action")
        # Qt's own words for it are Bulgarian, as the window is.
        self.assertRegex(action.getDescription(press[0]), "^[^A-Za-z]*[а-я][^A-Za-z]*$")
        action.doAction(press[0])
        self.assert_list_becomes(ALPHABETICAL)

        with tempfile.TemporaryDirectory() as folder:
            shot = os.path.join(folder, "window.png")
            self.session.run("import", "-window", "root", shot)
            left, top = self.program.origin
            for (x, y), colour in COLOURS.items():
                self.assertEqual(pixel(shot, left + x, top + y), colour, f"at {x}, {y}")

        self.program.close()
        self.assertEqual(self.program.process.wait(10), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
