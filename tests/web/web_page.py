#!/usr/bin/python3
"""Serves the web release on 127.0.0.1, opens its page in a fresh Chromium
and uses it as a person would: waits for the window, checks its title and
colours, clicks Азбучно and sees the list change, then clicks a row and
Избери and sees the text box answer."""

import sys
import unittest
from collections import Counter

from browserpage import Browser, FolderServer, Screenshot
from programwindow import BUTTONS, COLOURS, FIRST_ROW
from xsession import wait_for

RELEASE = sys.argv.pop(1)
TITLE = "https://courier-firms.example.org ИТ - списък на куриерски фирми"
# The insides of the display list and the text box: x, y, width, height.
LIST, TEXT = (18, 50, 143, 95), (10, 194, 431, 117)


class PageInChromium(unittest.TestCase):
    def setUp(self):
        server, self.browser = FolderServer(RELEASE), Browser()
        self.addCleanup(server.close)
        self.addCleanup(self.browser.close)
        self.driver = self.browser.driver
        self.driver.get(server.url)

    def screenshot(self):
        return Screenshot(self.driver.get_screenshot_as_png())

    def click(self, x, y):
        self.browser.click(self.origin[0] + x, self.origin[1] + y)

    def area(self, x, y, width, height):
        return self.screenshot().area(self.origin[0] + x, self.origin[1] + y, width, height)

    def changed(self, rectangle, before):
        return wait_for(lambda: next((now for now in [self.area(*rectangle)] if now != before), None),
                        timeout=10, what=f"a change in the window at {rectangle}")

    def test_a_session_with_the_mouse(self):
        self.assertEqual(self.driver.title, TITLE)
        self.origin = wait_for(lambda: self.screenshot().window_origin(), timeout=60,
                               what="the window on the page")
        shot = self.screenshot()
        for (x, y), colour in COLOURS.items():
            self.assertEqual(shot.pixel(self.origin[0] + x, self.origin[1] + y), colour, (x, y))

        list_at_start, text_at_start = self.area(*LIST), self.area(*TEXT)
        self.click(*BUTTONS["Азбучно"])
        self.changed(LIST, list_at_start)
        self.click(*FIRST_ROW)
        self.click(*BUTTONS["Избери"])
        answer = self.changed(TEXT, text_at_start)
        # One short line of ink where the task had several long ones.
        ink = [len(area) - Counter(area).most_common(1)[0][1] for area in (answer, text_at_start)]
        self.assertLess(ink[0], ink[1] / 5)


if __name__ == "__main__":
    unittest.main()
