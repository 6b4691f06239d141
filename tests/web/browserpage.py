"""A folder served on 127.0.0.1 and a page of it open in a fresh headless
Chromium, as the web tests and the benchmark need them."""

import base64
import functools
import http.server
import io
import shutil
import sys
import tempfile
import threading
import time

import PIL.Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from xsession import wait_for

# Root runs Chromium only without its sandbox; on a machine without a GPU,
# Chromium draws with its software renderer; this machine reaches no other
# host, so Chromium is told not to try.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--test-type", "--window-size=800,600",
                  "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Says nothing, but keeps every request the server could not answer."""

    def log_message(self, *args):
        pass

    def log_request(self, code="-", size="-"):
        if int(code) >= 400:
            self.server.failures.append((self.path, int(code)))


class FolderServer(http.server.ThreadingHTTPServer):
    """Serves a folder over HTTP on a free port of 127.0.0.1, from a thread."""

    def __init__(self, folder, handler=QuietHandler):
        super().__init__(("127.0.0.1", 0), functools.partial(handler, directory=folder))
        self.failures = []
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
    """A new Chromium with a profile of its own, driven through chromedriver;
    on a device, (CSS width, height, device pixels to a CSS pixel), it is a
    phone or tablet of that screen, touched with a finger."""

    def __init__(self, flags=(), device=None):
        self.profile = tempfile.mkdtemp(prefix="courier-firms-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + list(flags) + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        # What the page writes to its console, for a test to read.
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.emulate(device)

    def emulate(self, device):
        """Becomes a phone or tablet of that screen, or with None again the
        desktop's window, used with the mouse."""
        self.touch = device is not None
        if device:
            width, height, scale = device
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": scale, "mobile": True})
        else:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": self.touch})

    def click(self, x, y):
        """A click of the mouse, or on a device a tap, at a point of the page."""
        if self.touch:
            self.touch_path([(x, y)])
            return
        # Straight to the point, without the quarter second WebDriver takes to move there.
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def touch_path(self, points, pause=0.0):
        """A finger put down at the first point, moved through the others and lifted."""
        kinds = ["touchStart"] + ["touchMove"] * (len(points) - 1)
        for kind, touching in zip(kinds + ["touchEnd"], [[{"x": x, "y": y}] for x, y in points] + [[]]):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": touching})
            time.sleep(pause)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


# The label's colour, and where it starts in the window; the window's size.
LABEL_COLOUR, LABEL_LEFT = (255, 192, 128), 32
WINDOW = (461, 345)
# The insides of the display list and the text box: x, y, width, height.
LIST, TEXT = (18, 50, 143, 95), (10, 194, 431, 117)
SELECTED_ROW = "srgb(48,140,198)"
# CSS width and height, device pixels to a CSS pixel; None: a desktop's
# browser window, used with the mouse.
DEVICES = {"desktop": None, "phone, portrait": (360, 740, 3), "tablet, portrait": (768, 1024, 2)}


class Screenshot:
    """The pixels of a screenshot of the page, or of a rectangle of it that
    starts at left, top, read once; points are the whole page's."""

    def __init__(self, png, left=0, top=0):
        image = PIL.Image.open(io.BytesIO(png)).convert("RGB")
        self.width, self.height = image.size
        self.left, self.top = left, top
        self.rgb = image.tobytes()

    def pixel(self, x, y):
        """The colour at a point, named as ImageMagick names it in the desktop tests."""
        at = 3 * ((y - self.top) * self.width + x - self.left)
        return "srgb({},{},{})".format(*self.rgb[at:at + 3])

    def area(self, x, y, width, height):
        """The colours of a rectangle, row after row."""
        return [self.pixel(x + i, y + j) for j in range(height) for i in range(width)]

    def window_origin(self, scale=1):
        """Where the window's inside starts, with scale screenshot pixels to
        a pixel of the window: the label's colour begins at the window's top,
        LABEL_LEFT pixels in. None before the window shows."""
        colour = bytes(LABEL_COLOUR)
        at = 0
        while (at := self.rgb.find(colour, at)) >= 0 and at % 3:
            at += 1
        if at < 0:
            return None
        y, x = divmod(at // 3, self.width)
        return round(self.left + x - LABEL_LEFT * scale), self.top + y


class WindowOnPage:
    """The program's window on a page open in a Browser, once it shows: where
    it is, at how many screenshot pixels to one of its own, and its points to
    click and look at."""

    def __init__(self, browser, timeout=60):
        self.browser = browser
        self.zoom, ratio = browser.driver.execute_script("return [visualViewport.scale, devicePixelRatio]")
        self.scale = ratio * self.zoom
        self.origin = wait_for(lambda: self.screenshot().window_origin(self.scale), timeout=timeout,
                               what="the window on the page")

    def screenshot(self, x=None, y=0, width=0, height=0):
        """The page, or only a rectangle of the window and a pixel round it,
        pixel for pixel as on the page's, and sooner: the browser takes
        time in proportion to the pixels. Packed lightly, as PNG is
        lossless however it is packed."""
        if x is None:
            shot = self.browser.driver.execute_cdp_cmd("Page.captureScreenshot", {
                "format": "png", "optimizeForSpeed": True})
            return Screenshot(base64.b64decode(shot["data"]))
        left, top = (max(0, at - 1) for at in self.at(x, y))
        shot = self.browser.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "optimizeForSpeed": True, "clip": {
                "x": left / self.scale, "y": top / self.scale, "width": width + 2, "height": height + 2,
                "scale": self.zoom}})
        return Screenshot(base64.b64decode(shot["data"]), left, top)

    def at(self, x, y):
        """A point of the window on the screenshot."""
        return round(self.origin[0] + x * self.scale), round(self.origin[1] + y * self.scale)

    def click(self, x, y):
        """A click, or a tap, at a point of the window."""
        at = self.at(x, y)
        self.browser.click(at[0] / self.scale, at[1] / self.scale)

    def area(self, x, y, width, height, shot=None):
        """The colours of a rectangle of the window, row after row."""
        shot = shot or self.screenshot()
        return [shot.pixel(*self.at(x + i, y + j)) for j in range(height) for i in range(width)]


class Tree:
    """The nodes a screen reader is given, with their roles, names, values,
    descriptions and states."""

    def __init__(self, driver):
        self.driver = driver
        self.every = {node["nodeId"]: node
                      for node in driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]}
        self.nodes = {id: node for id, node in self.every.items() if not node.get("ignored")}

    @staticmethod
    def field(node, name):
        found = node.get(name) or next((state["value"] for state in node.get("properties", [])
                                        if state["name"] == name), {})
        return found.get("value", "")

    def find(self, role, name=None):
        return [node for node in self.nodes.values()
                if self.field(node, "role") == role and name in (None, self.field(node, "name"))]

    def names(self, role, state=None):
        return [self.field(node, "name") for node in self.find(role) if state is None or self.field(node, state)]

    def text(self, node):
        return self.field(node, "name") if self.field(node, "role") == "StaticText" else "".join(
            self.text(self.nodes[child]) for child in node.get("childIds", []) if child in self.nodes)

    def press(self, node):
        """A click on a node's element, as a screen reader gives it."""
        element = self.driver.execute_cdp_cmd("DOM.resolveNode", {"backendNodeId": node["backendDOMNodeId"]})
        self.driver.execute_cdp_cmd("Runtime.callFunctionOn", {
            "objectId": element["object"]["objectId"], "functionDeclaration": "function() { this.click(); }"})
