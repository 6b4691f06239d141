#!/usr/bin/python3
"""Serves the web release on 127.0.0.1, opens its page in a fresh Chromium
and uses it as a person would, with the mouse on a desktop and with a finger
on a phone and a tablet: waits for the window, checks that all of it is on
the screen, its title and colours, presses Дължина and sees the list change,
then a row and Избери and sees the text box answer; and that the page
sums itself up in Bulgarian for a link to it. Then the page as an app:
installable, and opening again with the server stopped; and what a browser
without WebAssembly is told. No request of the page may fail."""

import os
import sys
import unittest
from collections import Counter

from browserpage import DEVICES, LIST, SELECTED_ROW, TEXT, WINDOW, Browser, FolderServer, WindowOnPage
from programwindow import BUTTONS, COLOURS, FIRST_ROW, WINDOW_TITLE
from xsession import wait_for

RELEASE = sys.argv.pop(1)
NO_WEBASSEMBLY = "Този браузър не може да пусне програмата: тя иска WebAssembly."
# The program needs no WebGL: a browser without it (as where the GPU is on
# the browser's list of faulty ones) runs it too.
SESSIONS = [(device, metrics, ()) for device, metrics in DEVICES.items()]
SESSIONS.append(("desktop, WebGL off", None, ("--disable-webgl", "--disable-3d-apis")))


class PageInChromium(unittest.TestCase):
    def open(self, flags=(), device=None, lacking=None):
        self.server, self.browser = FolderServer(RELEASE), Browser(flags, device)
        self.addCleanup(self.server.close)
        self.addCleanup(self.browser.close)
        self.driver = self.browser.driver
        server = self.server
        self.addCleanup(lambda: self.assertEqual(server.failures, [], "requests the server could not answer"))
        if lacking:
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": f"delete window.{lacking};"})
        self.driver.get(self.server.url)

    def changed(self, window, rectangle, before):
        return wait_for(lambda: next((now for now in [window.area(*rectangle)] if now != before), None),
                        timeout=10, what=f"a change in the window at {rectangle}")

    def test_a_session_on_each_device(self):
        for device, metrics, flags in SESSIONS:
            with self.subTest(device):
                self.open(flags, device=metrics)
                self.assertEqual(self.driver.title, WINDOW_TITLE)
                self.assertRegex(self.driver.find_element("css selector", "meta[name=description]")
                                 .get_attribute("content"), "^[А-Я][а-я]+ ", "the page's summary, in Bulgarian")
                window = WindowOnPage(self.browser)
                shot = window.screenshot()
                right, bottom = window.at(*WINDOW)
                self.assertLessEqual((right, bottom), (shot.width, shot.height), "all of the window shows")
                for (x, y), colour in COLOURS.items():
                    self.assertEqual(shot.pixel(*window.at(x, y)), colour, (x, y))

                list_at_start, text_at_start = window.area(*LIST), window.area(*TEXT)
                window.click(*BUTTONS["Дължина"])
                by_length = self.changed(window, LIST, list_at_start)
                window.click(*FIRST_ROW)
                self.assertTrue(SELECTED_ROW in self.changed(window, LIST, by_length), "no row chosen")
                window.click(*BUTTONS["Избери"])
                answer = self.changed(window, TEXT, text_at_start)
                # One short line of ink where the task had several long ones.
                ink = [len(area) - Counter(area).most_common(1)[0][1] for area in (answer, text_at_start)]
                self.assertLess(ink[0], ink[1] / 5)

    def test_a_phone_scrolls_the_list_with_a_finger(self):
        self.open(device=DEVICES["phone, portrait"])
        window = WindowOnPage(self.browser)
        rows = window.area(*LIST)
        x, top, bottom = (LIST[0] + LIST[2] // 2, LIST[1] + LIST[3] - 10, LIST[1] + 10)
        path = [window.at(x, top + (bottom - top) * step // 10) for step in range(11)]
        self.browser.touch_path([(px / window.scale, py / window.scale) for px, py in path], pause=0.03)
        # Other rows show, and the finger chose none of them.
        self.assertFalse(SELECTED_ROW in self.changed(window, LIST, rows), "the finger chose a row")

    def test_installs_and_opens_again_without_the_server(self):
        self.open()
        WindowOnPage(self.browser)
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.driver.execute_async_script("navigator.serviceWorker.ready.then(arguments[0])")
        self.server.close()
        self.driver.refresh()
        WindowOnPage(self.browser, timeout=30)

    def test_a_browser_without_webassembly_is_told_why(self):
        self.open(lacking="WebAssembly")
        wait_for(lambda: NO_WEBASSEMBLY in self.driver.find_element("id", "status").text, timeout=30,
                 what="the page to say that the browser cannot run the program")

    def test_qts_texts_travel_in_bulgarian(self):
        with open(os.path.join(RELEASE, "courier-firms.wasm"), "rb") as program:
            self.assertTrue("qtbase_bg.qm".encode("utf-16-be") in program.read(), "no qtbase_bg.qm in the program")


if __name__ == "__main__":
    unittest.main(verbosity=2)
