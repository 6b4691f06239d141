"""The built program in an XSession, as a person and a screen reader meet it:
its window, clicks at places in it, and what the accessibility bus says."""

import subprocess
import tempfile

from xsession import wait_for

TITLE = "courier-firms.example.org"
# The whole title, as a browser shows it for the page.
WINDOW_TITLE = "https://courier-firms.example.org ИТ - списък на куриерски фирми"
LIST_NAME = "Куриерски фирми"
TEXT_NAME = "Задача и избрана фирма"
# Centres of the buttons and of the list's first row, in the window.
BUTTONS = {"Азбучно": (60, 177), "Дължина": (156, 177), "Избери": (268, 177), "Изчисти": (372, 177)}
FIRST_ROW = (60, 58)
# The list in each of its orders, and how the task in the text box starts.
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
# What Избери writes, with a firm chosen and with none.
CHOSEN, NONE_CHOSEN = "Избрана фирма: {}", "Изберете фирма!"
TASK_START = "Да се състави проект  осъществяващ междупредметна връзка ИТ и Информатика\n"
# Colours at points of the window: the task's frame, the label, each button.
COLOURS = {(4, 40): "srgb(192,192,255)", (35, 3): "srgb(255,192,128)", (19, 171): "srgb(128,255,128)",
           (115, 171): "srgb(0,255,0)", (227, 171): "srgb(255,192,128)", (331, 171): "srgb(255,0,0)"}


def pixel(image, x, y):
    """The colour at a point of a screenshot, as ImageMagick names it."""
    return subprocess.run(["convert", image, "-format", f"%[pixel:p{{{x},{y}}}]", "info:"],
                          check=True, capture_output=True, text=True).stdout.strip()


def find_application(pyatspi):
    """The program on the accessibility bus, once it is there."""
    return wait_for(lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                                  if app is not None and app.name == "courier-firms"), None),
                    what="the program on the accessibility bus")


def find_window(session, title=TITLE):
    """The id of the program's visible window, or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           env=session.environment(), capture_output=True, text=True)
    return next(iter(found.stdout.split()), None)


def window_geometry(session, window):
    """The window's place on the screen and its size: (x, y), (width, height)."""
    found = dict(line.split("=") for line in
                 session.run("xdotool", "getwindowgeometry", "--shell", window).split())
    return (int(found["X"]), int(found["Y"])), (int(found["WIDTH"]), int(found["HEIGHT"]))


def close_window(session, window):
    """Asks a window to close, as a window manager's close button does."""
    from Xlib import X, display, protocol
    screen = display.Display(session.display)
    target = screen.create_resource_object("window", int(window))
    event = protocol.event.ClientMessage(
        window=target, client_type=screen.intern_atom("WM_PROTOCOLS"),
        data=(32, [screen.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    target.send_event(event)
    # A round trip: closing the connection straight after sending may drop
    # the message, and the window would never hear it.
    screen.sync()
    screen.close()


class ProgramWindow:
    """Starts the program with the accessibility bus on and finds its window."""

    def __init__(self, session, program, extra_env=None):
        self.session = session
        session.export_environment()
        self.stderr = tempfile.TemporaryFile(mode="w+")
        env = {"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **(extra_env or {})}
        self.process = session.start([program], extra_env=env, stderr=self.stderr)
        self.window = wait_for(lambda: self.check_running() or find_window(session), what="the window")
        self.origin, self.size = window_geometry(session, self.window)

        import pyatspi  # only now: it connects to the bus named in the environment
        self.atspi = pyatspi
        self.app = find_application(pyatspi)

    def check_running(self):
        """Raises, with what the program printed, if it has ended."""
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended with status {self.process.returncode}:\n"
                                 f"{self.output()[-3000:]}")

    def output(self):
        self.stderr.seek(0)
        return self.stderr.read()

    def find(self, role, name):
        return wait_for(lambda: self.atspi.findDescendant(
            self.app, lambda node: node is not None and node.getRole() == role and node.name == name),
            what=f"{name!r} on the accessibility bus")

    def list_items(self):
        return [child.name for child in self.find(self.atspi.ROLE_LIST, LIST_NAME)]

    def text(self):
        return self.find(self.atspi.ROLE_TEXT, TEXT_NAME).queryText().getText(0, -1)

    def hear_announcements(self):
        """Keeps what the program gives a screen reader to say from now on:
        Qt 6.8 and later announce, earlier Qts change the description of the
        focused control for a moment."""
        self.heard = []
        for kind in ("object:announcement", "object:property-change:accessible-description"):
            self.atspi.Registry.registerEventListener(
                lambda event: self.heard.append((event.source.name, event.any_data)), kind)

    def announcements(self):
        """(name of the control that speaks, message) for each so far."""
        from gi.repository import GLib
        while GLib.MainContext.default().iteration(False):
            pass
        return self.heard

    def click(self, x, y):
        self.session.run("xdotool", "mousemove", str(self.origin[0] + x), str(self.origin[1] + y),
                         "click", "1")

    def close(self):
        close_window(self.session, self.window)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.stderr.close()
