#!/usr/bin/python3
"""Two web releases side by side, a baseline and a new one, and the floor
that bench/web builds, measured in turns in one run, each figure the median
of its rounds with the new release's over the baseline's and over the
floor's:

- the bytes of a first visit: every file the page fetches (the service
  worker's list, and the worker), as a server sends it to a browser that
  takes brotli, and to one that takes gzip only: the file's precompressed
  sibling (.br, .gz) where the release has one, otherwise the file
  compressed (brotli -q 11, gzip -9) or as it is, whichever is smaller;
- the painted window on a first visit, in an already running Chromium with a
  new profile, so a cold cache and no service worker, from asking for the
  page until the browser shows a frame with the window's colours at their
  places (by the frame's own time, from its screencast): served
  on 127.0.0.1 as above, and over a 5 Mbit/s link that the server makes,
  shared by every file it sends, the workers' too, which the browser's own
  emulation of a link leaves out;
- the second visit over that link, from the service worker's copy (but the
  floor's, whose service worker cannot keep the program it lacks);
- the page's main thread from asking for the page until the window is
  painted, from Chromium's trace: its longest task at this machine's speed,
  and with the CPU slowed 4 times, as on a mid-range phone, the time each
  task ran beyond 50 ms, summed (the time the page could not answer a
  touch); and each release's tasks over 50 ms, with what they ran;
- a fresh Chromium started on the page until it is painted, against the same
  for a plain HTML page of the same colours at the same places (plain.html).

    bench/web/pageload.py BASELINE-RELEASE NEW-RELEASE FLOOR [ROUNDS]
"""

import base64
import email.utils
import gzip
import itertools
import json
import mimetypes
import os
import re
import statistics
import sys
import threading
import time
import urllib.request

import brotli
import websocket

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, "../../tests/web"), os.path.join(HERE, "../../tests/e2e")]

from browserpage import Browser, FolderServer, QuietHandler, Screenshot  # noqa: E402
from programwindow import COLOURS  # noqa: E402

ENCODINGS = {"br": (".br", lambda data: brotli.compress(data, quality=11)),
             "gzip": (".gz", lambda data: gzip.compress(data, 9, mtime=0))}
LINK = 5e6 / 8
LATENCY = 0.020
LONG_TASK = 0.050


def fetched_files(release):
    """The files a first visit fetches: the page's and its worker's."""
    with open(os.path.join(release, "service-worker.js"), encoding="utf-8") as worker:
        # The worker's list of names and sums, minified or not.
        return re.findall(r'"([^"]+)": ?"[0-9a-f]{64}"', worker.read()) + ["service-worker.js"]


def as_sent(release):
    """Each fetched file as a server sends it: {name: {encoding: bytes}},
    with None for the file as it is."""
    sent = {}
    for name in fetched_files(release):
        with open(os.path.join(release, name), "rb") as file:
            data = file.read()
        sent[name] = {None: data}
        for encoding, (suffix, compress) in ENCODINGS.items():
            try:
                with open(os.path.join(release, name + suffix), "rb") as file:
                    sent[name][encoding] = file.read()
            except FileNotFoundError:
                packed = compress(data)
                sent[name][encoding] = packed if len(packed) < len(data) else None
    return sent


class CompressingHandler(QuietHandler):
    """Serves the release as a server that compresses does: brotli where the
    browser takes it, else gzip; the page revalidates with If-Modified-Since."""

    def do_GET(self):
        name = self.path.split("?")[0].lstrip("/") or "index.html"
        files = self.server.files.get(name)
        if files is None:
            return super().do_GET()
        modified = email.utils.formatdate(self.server.started, usegmt=True)
        if self.headers.get("If-Modified-Since") == modified:
            self.send_response(304)
            self.end_headers()
            return
        taken = [part.split(";")[0].strip() for part in self.headers.get("Accept-Encoding", "").split(",")]
        encoding = next((encoding for encoding in ENCODINGS if encoding in taken and files[encoding]), None)
        body = files[encoding]
        self.send_response(200)
        self.send_header("Content-Type", mimetypes.guess_type(name)[0] or "application/octet-stream")
        if encoding:
            self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Cache-Control", "no-cache")
        self.send_header("Last-Modified", modified)
        self.end_headers()
        self.server.send(self.wfile, body)


class ReleaseServer(FolderServer):
    """Serves a release; with slow, over a link of LINK bytes a second
    and LATENCY, which all its answers share."""

    def __init__(self, release, files, slow=False):
        self.files, self.started, self.slow = files, time.time(), slow
        self.link_free, self.link = 0.0, threading.Lock()
        super().__init__(release, CompressingHandler)

    def send(self, output, body, piece=16384):
        if not self.slow:
            return output.write(body)
        time.sleep(LATENCY)
        for at in range(0, len(body), piece):
            with self.link:
                self.link_free = max(time.monotonic(), self.link_free) + min(piece, len(body) - at) / LINK
                due = self.link_free
            time.sleep(max(0, due - time.monotonic()))
            output.write(body[at:at + piece])


class DevTools:
    """A connection over the DevTools protocol to a Browser itself, or to its page."""

    def __init__(self, browser, page=False):
        address = browser.driver.capabilities["goog:chromeOptions"]["debuggerAddress"]
        with urllib.request.urlopen(f"http://{address}/json/{'list' if page else 'version'}") as answer:
            targets = json.load(answer)
        target = next(target for target in targets if target["type"] == "page") if page else targets
        self.socket = websocket.create_connection(target["webSocketDebuggerUrl"], suppress_origin=True, timeout=60)
        self.ids = itertools.count(1)

    def send(self, method, params=None):
        sent = next(self.ids)
        self.socket.send(json.dumps({"id": sent, "method": method, "params": params or {}}))
        return sent

    def call(self, method, params=None):
        sent = self.send(method, params)
        while self.receive().get("id") != sent:
            pass

    def receive(self):
        return json.loads(self.socket.recv())


class MainThreadTrace:
    """Chromium's trace of a Browser's pages."""

    CATEGORIES = ["toplevel", "devtools.timeline", "disabled-by-default-devtools.timeline", "v8.execute"]

    def __init__(self, browser):
        self.browser = DevTools(browser)
        self.browser.call("Tracing.start", {"traceConfig": {"includedCategories": self.CATEGORIES},
                                            "transferMode": "ReportEvents"})

    def tasks(self, url, start, end):
        """The tasks of url's main thread from start until end (time.monotonic(),
        which is the trace's clock): [(seconds, what ran longest in it)]."""
        self.browser.send("Tracing.end")
        events = []
        while (message := self.browser.receive()).get("method") != "Tracing.tracingComplete":
            if message.get("method") == "Tracing.dataCollected":
                events += message["params"]["value"]
        self.browser.socket.close()
        pages = {event["pid"] for event in events if event["name"] == "ParseHTML"
                 and event.get("args", {}).get("beginData", {}).get("url", "").startswith(url)}
        threads = {(event["pid"], event["tid"]) for event in events if event["name"] == "thread_name"
                   and event["pid"] in pages and event["args"]["name"] == "CrRendererMain"}
        ran = [event for event in events if event.get("ph") == "X" and (event["pid"], event["tid"]) in threads]
        tasks = []
        for task in ran:
            if task["name"] == "RunTask" and start * 1e6 <= task["ts"] <= end * 1e6:
                inside = [event for event in ran if event["tid"] == task["tid"] and event["name"] not in
                          ("RunTask", "ThreadControllerImpl::RunTask")
                          and task["ts"] <= event["ts"] < task["ts"] + task["dur"]]
                longest = max(inside, key=lambda event: event.get("dur", 0), default={"name": "?"})
                data = longest.get("args", {}).get("data")
                what = longest["name"] + (f" {data['functionName']}" if isinstance(data, dict)
                                          and data.get("functionName") else "")
                tasks.append((task["dur"] / 1e6, what))
        return tasks


# The colours of the window and of its label, which the floor shares: Qt
# draws a window whole before the browser shows it.
SHARED_COLOURS = {place: colour for place, colour in COLOURS.items() if place in [(4, 40), (35, 3)]}


def painted(shot):
    origin = shot.window_origin()
    return origin is not None and all(shot.pixel(origin[0] + x, origin[1] + y) == colour
                                      for (x, y), colour in SHARED_COLOURS.items())


def painted_after(browser, url, start):
    """Opens url and returns the seconds from start until the browser showed
    the window painted, by the time of the frame it showed: a screenshot
    would be a frame of its own, which a busy page makes a quarter to half a
    second late here."""
    page = DevTools(browser, page=True)
    page.call("Page.startScreencast", {"format": "png"})
    # The frames are timed by the wall clock, the trace by time.monotonic().
    wall_clock = time.time() - time.monotonic()
    page.send("Page.navigate", {"url": url})
    while time.monotonic() - start < 60:
        if (message := page.receive()).get("method") == "Page.screencastFrame":
            frame = message["params"]
            page.send("Page.screencastFrameAck", {"sessionId": frame["sessionId"]})
            if painted(Screenshot(base64.b64decode(frame["data"]))):
                page.socket.close()
                return frame["metadata"]["timestamp"] - wall_clock - start
    raise RuntimeError(f"nothing painted at {url} within a minute")


def fresh_start(url):
    """A new Chromium started on url: seconds until it is painted."""
    start = time.monotonic()
    browser = Browser()
    try:
        return painted_after(browser, url, start)
    finally:
        browser.close()


def first_visit(url, second=False, slower=1, trace=False):
    """A first visit in a running Chromium: seconds to the painted window,
    then the second visit's over the same link, or the main thread's tasks."""
    browser = Browser()
    try:
        driver = browser.driver
        driver.get("about:blank")
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slower})
        tracer = MainThreadTrace(browser) if trace else None
        start = time.monotonic()
        first = painted_after(browser, url, start)
        if tracer:
            return tracer.tasks(url, start, start + first)
        if not second:
            return first
        driver.execute_async_script("navigator.serviceWorker.ready.then(arguments[0])")
        driver.get("about:blank")
        return first, painted_after(browser, url, time.monotonic())
    finally:
        browser.close()


def main():
    releases = {"baseline": sys.argv[1], "new": sys.argv[2], "floor": sys.argv[3]}
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    sent = {which: as_sent(release) for which, release in releases.items()}

    print(f"{'bytes sent':<28}" + "".join(f"{which + ' ' + encoding:>18}" for which in releases
                                          for encoding in ENCODINGS))
    names = sorted(set().union(*sent.values()))
    totals = {(which, encoding): 0 for which in releases for encoding in ENCODINGS}
    for name in names:
        row = f"{name:<28}"
        for which in releases:
            for encoding in ENCODINGS:
                files = sent[which].get(name)
                size = len(files[encoding] or files[None]) if files else 0
                totals[which, encoding] += size
                row += f"{size:>18,}" if files else f"{'-':>18}"
        print(row)
    print(f"{'first visit':<28}" + "".join(f"{totals[key] / 2**20:>14.2f} MiB" for key in totals))

    servers = {which: ReleaseServer(release, sent[which]) for which, release in releases.items()}
    slow_servers = {which: ReleaseServer(release, sent[which], slow=True) for which, release in releases.items()}
    plain = FolderServer(HERE)
    figures = {which: {} for which in releases}
    longest_tasks = {}
    for _ in range(rounds):
        plain_start = fresh_start(plain.url + "plain.html")
        for which, server in servers.items():
            results = figures[which]
            results.setdefault("painted window, local (s)", []).append(first_visit(server.url))
            if which == "floor":
                results.setdefault("painted window, 5 Mbit/s (s)", []).append(
                    first_visit(slow_servers[which].url))
            else:
                first, second = first_visit(slow_servers[which].url, second=True)
                results.setdefault("painted window, 5 Mbit/s (s)", []).append(first)
                results.setdefault("second visit, 5 Mbit/s (s)", []).append(second)
            tasks = first_visit(server.url, trace=True)
            results.setdefault("longest task (ms)", []).append(1000 * max(seconds for seconds, _ in tasks))
            longest_tasks[which] = tasks
            slowed = first_visit(server.url, slower=4, trace=True)
            results.setdefault("CPU 4x: sum over 50 ms (ms)", []).append(
                1000 * sum(max(0, seconds - LONG_TASK) for seconds, _ in slowed))
            results.setdefault("fresh browser / plain page", []).append(fresh_start(server.url) / plain_start)
    for server in [*servers.values(), *slow_servers.values(), plain]:
        server.close()

    print(f"\nmedian of {rounds} rounds{'':<16}{'baseline':>12}{'new':>12}{'floor':>12}"
          f"{'new/baseline':>14}{'new/floor':>12}")
    for figure in figures["baseline"]:
        baseline, new, floor = (statistics.median(figures[which].get(figure, [float("nan")]))
                                for which in releases)
        print(f"{figure:<40}{baseline:>12.2f}{new:>12.2f}{floor:>12.2f}"
              f"{new / baseline:>14.2f}{new / floor:>12.2f}")
    for which, tasks in longest_tasks.items():
        print(f"\n{which}: the main thread's tasks over 50 ms until the window is painted, last round")
        for seconds, what in sorted(tasks, reverse=True):
            if seconds > LONG_TASK:
                print(f"  {1000 * seconds:7.0f} ms  {what}")


if __name__ == "__main__":
    main()
