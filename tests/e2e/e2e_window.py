#!/usr/bin/python3
"""Starts the built program in a real X server and uses it as a person would:
clicks with the mouse, presses a button through the screen reader's press
action, reads the list and the text box back through the accessibility bus,
checks the colours on a screenshot, and closes the window."""

import os
import subprocess
import sys
import tempfile
import unittest

from xsession import XSession, wait_for

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/app/courier-firms"

USER_ORDER = ["Спиди", "Тип Топ Куриер", "Еконт експрес", "Европът 2000", "Direct",
              "Сити Експрес", "Д&Д Експрес", "Ин Тайм", "Интерлогистика", "Български пощи",
              "МиБМ Експрес", "Арамекс", "Бизнес Куриер", "Експресо", "ИНСИ", "Алфа Експрес",
              "Полипост", "THT", "DHL", "UPS", "OCB"]
ALPHABETICAL = ["DHL", "Direct", "OCB", "THT", "UPS", "Алфа Експрес", "Арамекс", "Бизнес Куриер",
                "Български пощи", "Д&Д Експрес", "Европът 2000", "Еконт експрес", "Експресо",
                "Ин Тайм", "ИНСИ", "Интерлогистика", "МиБМ Експрес", "Полипост", "Сити Експрес",
                "Спиди", "Тип Топ Куриер"]
BY_LENGTH = ["DHL", "OCB", "THT", "UPS", "ИНСИ", "Спиди", "Direct", "Арамекс", "Ин Тайм",
             "Експресо", "Полипост", "Д&Д Експрес", "Алфа Експрес", "Европът 2000",
             "МиБМ Експрес", "Сити Експрес", "Бизнес Куриер", "Еконт експрес",
             "Български пощи", "Интерлогистика", "Тип Топ Куриер"]
TASK_START = "Да се състави проект  осъществяващ междупредметна връзка ИТ и Информатика\n"

# Centres of the buttons and the first row of the list, in the window.
BUTTONS = {"Азбучно": (60, 177), "Дължина": (156, 177), "Избери": (268, 177),
           "Изчисти": (372, 177)}
FIRST_ROW = (60, 58)


class ProgramInXServer(unittest.TestCase):
    def setUp(self):
        self.session = XSession()
        self.addCleanup(self.session.close)
        env = self.session.environment()
        os.environ.update(DISPLAY=env["DISPLAY"], DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"],
                          XDG_RUNTIME_DIR=env["XDG_RUNTIME_DIR"])
        self.program = self.session.start(
            [PROGRAM], extra_env={"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        self.addCleanup(self._stop_program)
        self.window = self.session.run("xdotool", "search", "--sync", "--onlyvisible",
                                       "--name", "courier-firms.example.org").split()[0]
        geometry = dict(line.split("=") for line in
                        self.session.run("xdotool", "getwindowgeometry", "--shell",
                                         self.window).split())
        self.origin = (int(geometry["X"]), int(geometry["Y"]))
        self.size = (int(geometry["WIDTH"]), int(geometry["HEIGHT"]))

        import pyatspi  # only now: it connects to the bus named in the environment
        self.atspi = pyatspi
        self.app = wait_for(self._find_application, what="the program on the accessibility bus")

    def _stop_program(self):
        if self.program.poll() is None:
            self.program.kill()
            self.program.wait()

    def _find_application(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "courier-firms":
                return app
        return None

    def _find(self, role, name):
        return wait_for(lambda: self.atspi.findDescendant(
            self.app, lambda node: node is not None and node.getRole() == role and node.name == name),
            what=f"{name!r} on the accessibility bus")

    def click(self, x, y):
        self.session.run("xdotool", "mousemove", str(self.origin[0] + x), str(self.origin[1] + y),
                         "click", "1")

    def list_items(self):
        display = self._find(self.atspi.ROLE_LIST, "Куриерски фирми")
        return [child.name for child in display]

    def text(self):
        box = self._find(self.atspi.ROLE_TEXT, "Задача и избрана фирма")
        return box.queryText().getText(0, -1)

    def assert_list_becomes(self, expected):
        wait_for(lambda: self.list_items() == expected, timeout=15, what=f"list {expected[:3]}...")

    def assert_text_becomes(self, expected):
        wait_for(lambda: self.text() == expected, timeout=15, what=f"text {expected!r}")

    def pixel(self, image, x, y):
        return subprocess.run(
            ["convert", image, "-format", f"%[pixel:p{{{self.origin[0] + x},{self.origin[1] + y}}}]",
             "info:"], check=True, capture_output=True, text=True).stdout.strip()

    def test_a_session_with_the_mouse_and_the_screen_reader(self):
        self.assertEqual(self.size, (461, 345))
        self.assertEqual(self.list_items(), USER_ORDER)
        self.assertTrue(self.text().startswith(TASK_START))

        self.session.run("xdotool", "windowfocus", "--sync", self.window)
        box = self._find(self.atspi.ROLE_TEXT, "Задача и избрана фирма")
        wait_for(lambda: box.getState().contains(self.atspi.STATE_FOCUSED),
                 what="the focus on the text box")

        self.click(*BUTTONS["Дължина"])
        self.assert_list_becomes(BY_LENGTH)

        self.click(*FIRST_ROW)
        self.click(*BUTTONS["Избери"])
        self.assert_text_becomes("Избрана фирма: DHL\n")

        self.click(*BUTTONS["Изчисти"])
        self.assert_list_becomes(USER_ORDER)
        self.assert_text_becomes("")

        self.click(*BUTTONS["Избери"])
        self.assert_text_becomes("Изберете фирма!\n")

        alphabetical = self._find(self.atspi.ROLE_PUSH_BUTTON, "Азбучно")
        action = alphabetical.queryAction()
        press = [i for i in range(action.nActions) if action.getName(i) == "Press"]
        self.assertTrue(press, "the button has no press action")
        action.doAction(press[0])
        self.assert_list_becomes(ALPHABETICAL)

        with tempfile.TemporaryDirectory() as folder:
            shot = os.path.join(folder, "window.png")
            self.session.run("import", "-window", "root", shot)
            self.assertEqual(self.pixel(shot, 4, 40), "srgb(192,192,255)")
            self.assertEqual(self.pixel(shot, 35, 3), "srgb(255,192,128)")
            self.assertEqual(self.pixel(shot, 19, 171), "srgb(128,255,128)")
            self.assertEqual(self.pixel(shot, 115, 171), "srgb(0,255,0)")
            self.assertEqual(self.pixel(shot, 227, 171), "srgb(255,192,128)")
            self.assertEqual(self.pixel(shot, 331, 171), "srgb(255,0,0)")

        self.close_window()
        self.assertEqual(self.program.wait(10), 0)

    def close_window(self):
        """Asks the window to close, as a window manager's close button does."""
        from Xlib import X, display, protocol
        screen = display.Display(self.session.display)
        window = screen.create_resource_object("window", int(self.window))
        protocols = screen.intern_atom("WM_PROTOCOLS")
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event)
        screen.flush()
        screen.close()


if __name__ == "__main__":
    unittest.main(verbosity=2)
