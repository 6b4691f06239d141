"""A folder served on 127.0.0.1 and a page of it open in a fresh headless
Chromium, as the web tests and the benchmark need them."""

import functools
import http.server
import shutil
import struct
import subprocess
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains

# Root runs Chromium only without its sandbox; WebGL, which Qt draws with,
# needs the software renderer on a machine without a GPU; this machine
# reaches no other host, so Chromium is told not to try.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--test-type", "--window-size=800,600",
                  "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class FolderServer(http.server.ThreadingHTTPServer):
    """Serves a folder over HTTP on a free port of 127.0.0.1, from a thread."""

    def __init__(self, folder):
        super().__init__(("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
        threading.Thread(target=self.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server_address[1]}/"

    def handle_error(self, request, client_address):
        # A browser closed before a download ended is no error of the page.
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)

    def close(self):
        self.shutdown()
        self.server_close()


class Browser:
    """A new Chromium with a profile of its own, driven through chromedriver."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="courier-firms-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def click(self, x, y):
        """A click of the mouse at a point of the page."""
        actions = ActionChains(self.driver)
        actions.w3c_actions.pointer_action.move_to_location(x, y)
        actions.w3c_actions.pointer_action.click()
        actions.perform()

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


# The label's colour, and where it starts in the window.
LABEL_COLOUR, LABEL_LEFT = (255, 192, 128), 32


class Screenshot:
    """The pixels of a screenshot of the page, read once."""

    def __init__(self, png):
        self.width, self.height = struct.unpack(">II", png[16:24])
        self.rgb = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png,
                                  check=True, capture_output=True).stdout

    def pixel(self, x, y):
        """The colour at a point, named as ImageMagick names it."""
        at = 3 * (y * self.width + x)
        return "srgb({},{},{})".format(*self.rgb[at:at + 3])

    def area(self, x, y, width, height):
        """The colours of a rectangle, row after row."""
        return [self.pixel(x + i, y + j) for j in range(height) for i in range(width)]

    def window_origin(self):
        """Where the window's inside starts: the label's colour begins at the
        window's top, LABEL_LEFT pixels in. None before the window shows."""
        colour = bytes(LABEL_COLOUR)
        at = 0
        while (at := self.rgb.find(colour, at)) >= 0 and at % 3:
            at += 1
        if at < 0:
            return None
        y, x = divmod(at // 3, self.width)
        return x - LABEL_LEFT, y
