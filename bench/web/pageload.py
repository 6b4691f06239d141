#!/usr/bin/python3
"""The web release's start-up and download size.

Start-up: from starting a fresh headless Chromium on the page, served on
127.0.0.1, until a screenshot shows the window's colours at their places,
against a plain HTML page of the same colours at the same places in the same
browser; started in turns, the medians and their ratio printed. Visits: a
new browser's first visit over an emulated 20 Mbit/s link, from asking for
the page until the window is painted, against its second visit, which the
service worker serves from what it kept. Size: every file of the release
folder, raw and compressed with gzip -9.

    bench/web/pageload.py RELEASE-FOLDER [ROUNDS]
"""

import gzip
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(HERE, "../../tests/web"), os.path.join(HERE, "../../tests/e2e")]

from browserpage import Browser, FolderServer, Screenshot  # noqa: E402
from programwindow import COLOURS  # noqa: E402


def painted(shot):
    origin = shot.window_origin()
    return origin is not None and all(shot.pixel(origin[0] + x, origin[1] + y) == colour
                                      for (x, y), colour in COLOURS.items())


def painted_after(browser, url, start):
    """Opens url and returns the seconds from start until it is painted."""
    browser.driver.get(url)
    while True:
        if painted(Screenshot(browser.driver.get_screenshot_as_png())):
            return time.monotonic() - start
        if time.monotonic() - start > 60:
            raise RuntimeError(f"nothing painted at {url} within a minute")


def seconds_to_window(url):
    start = time.monotonic()
    browser = Browser()
    try:
        return painted_after(browser, url, start)
    finally:
        browser.close()


def first_and_second_visit(url):
    browser = Browser()
    try:
        link = 20e6 / 8
        browser.driver.execute_cdp_cmd("Network.enable", {})
        browser.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 20, "downloadThroughput": link, "uploadThroughput": link})
        first = painted_after(browser, url, time.monotonic())
        browser.driver.execute_async_script("navigator.serviceWorker.ready.then(arguments[0])")
        browser.driver.get("about:blank")
        return first, painted_after(browser, url, time.monotonic())
    finally:
        browser.close()


def main():
    release = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 10

    print(f"{'file':<28}{'bytes':>12}{'gzip -9':>12}")
    total = total_gzip = 0
    for name in sorted(os.listdir(release)):
        with open(os.path.join(release, name), "rb") as file:
            data = file.read()
        packed = len(gzip.compress(data, 9))
        total, total_gzip = total + len(data), total_gzip + packed
        print(f"{name:<28}{len(data):>12,}{packed:>12,}")
    print(f"{'all':<28}{total:>12,}{total_gzip:>12,}  ({total_gzip / 2**20:.2f} MiB compressed)")

    program, plain = FolderServer(release), FolderServer(HERE)
    times = {"program": [], "plain page": []}
    for _ in range(rounds):
        times["program"].append(seconds_to_window(program.url))
        times["plain page"].append(seconds_to_window(plain.url + "plain.html"))
    visits = [first_and_second_visit(program.url) for _ in range(rounds)]
    program.close()
    plain.close()
    medians = {name: statistics.median(values) for name, values in times.items()}
    for name, median in medians.items():
        print(f"{name}: median {median:.3f} s to the painted window over {rounds} starts "
              f"(best {min(times[name]):.3f} s)")
    print(f"program / plain page: {medians['program'] / medians['plain page']:.2f}")
    first, second = (statistics.median(visit) for visit in zip(*visits))
    print(f"first visit over 20 Mbit/s: median {first:.3f} s; second visit, from the service "
          f"worker's cache: median {second:.3f} s; second / first: {second / first:.2f}")


if __name__ == "__main__":
    main()
