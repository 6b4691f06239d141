#!/usr/bin/python3
"""Starts the program built with a catalogue that holds a name of 256
characters in a real X server, and follows its error path as a user meets
it: a message box that names the overflow appears within a second, Enter
dismisses it, and the program then ends with status 1 within a second and
without a crash report."""

import re
import subprocess
import sys
import tempfile
import time
import unittest

from programwindow import TITLE, find_application
from xsession import XSession, wait_for

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/tests/e2e/courier-firms-overlong"
# What a crash, an assertion or a sanitizer leaves on stderr.
CRASH_REPORT = re.compile(r"Sanitizer|runtime error|terminate called|Segmentation fault|Aborted|"
                          r"core dumped|ASSERT")


def visible_dialog(screen, title):
    """The id of a mapped dialog window whose title holds title, or None."""
    from Xlib import X, Xatom, error
    name_atom = screen.intern_atom("_NET_WM_NAME")
    utf8 = screen.intern_atom("UTF8_STRING")
    type_atom = screen.intern_atom("_NET_WM_WINDOW_TYPE")
    dialog = screen.intern_atom("_NET_WM_WINDOW_TYPE_DIALOG")
    for window in screen.screen().root.query_tree().children:
        try:
            if window.get_attributes().map_state != X.IsViewable:
                continue
            name = window.get_full_text_property(name_atom, utf8)
            types = window.get_full_property(type_atom, Xatom.ATOM)
        except error.XError:  # gone between the listing and the question
            continue
        if name and title in name and types and dialog in types.value:
            return window.id
    return None


class OverflowAtStart(unittest.TestCase):
    def setUp(self):
        self.session = XSession()
        self.addCleanup(self.session.close)
        self.session.export_environment()
        self.stderr = tempfile.TemporaryFile(mode="w+")
        self.addCleanup(self.stderr.close)

    def start_program(self):
        """Starts the program and returns the moment it was started."""
        started = time.monotonic()
        self.program = self.session.start(
            [PROGRAM], extra_env={"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"},
            stderr=self.stderr)
        return started

    def wait_for_message_box(self):
        from Xlib import display
        screen = display.Display(self.session.display)
        try:
            return wait_for(lambda: self.program.poll() is not None or visible_dialog(screen, TITLE),
                            timeout=30, what="the message box")
        finally:
            screen.close()

    def message_box_text(self):
        import pyatspi  # only now: it connects to the bus named in the environment
        app = find_application(pyatspi)
        alert = wait_for(lambda: pyatspi.findDescendant(
            app, lambda node: node is not None and node.getRole() == pyatspi.ROLE_ALERT),
            what="the message box on the accessibility bus")
        return [node.name for node in pyatspi.findAllDescendants(alert, lambda node: node is not None)]

    def output(self):
        self.stderr.seek(0)
        return self.stderr.read()

    def test_overflow_is_shown_then_the_program_ends_with_status_1(self):
        started = self.start_program()
        window = self.wait_for_message_box()
        shown_after = time.monotonic() - started
        self.assertIsNone(self.program.poll(), f"the program ended first:\n{self.output()[-3000:]}")
        print(f"message box shown {shown_after:.3f} s after the start", file=sys.stderr)
        self.assertLess(shown_after, 1.0)

        texts = self.message_box_text()
        self.assertTrue(any("Препълване" in text for text in texts), texts)

        pressed = time.monotonic()
        self.session.run("xdotool", "windowfocus", "--sync", str(window), "key", "Return")
        try:
            status = self.program.wait(30)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end after the message box was dismissed")
        ended_after = time.monotonic() - pressed
        print(f"program ended {ended_after:.3f} s after Enter, status {status}", file=sys.stderr)
        self.assertEqual(status, 1, f"(a negative status is the signal that ended it)\n{self.output()[-3000:]}")
        self.assertLess(ended_after, 1.0)
        self.assertNotRegex(self.output(), CRASH_REPORT)


if __name__ == "__main__":
    unittest.main(verbosity=2)
