#!/usr/bin/python3
"""Reads the page as a screen reader gets it, Chromium's accessibility tree
through its DevTools protocol, at each step of a session: the mouse on the
window, then a button pressed through the tree, as a screen reader presses
it; and what it finds around the window on a desktop and on a phone."""

import sys
import unittest

from browserpage import Browser, FolderServer, Tree, WindowOnPage
from programwindow import (ALPHABETICAL, BUTTONS, BY_LENGTH, FIRST_ROW, LIST_NAME, TASK_START, TEXT_NAME,
                           USER_ORDER, WINDOW_TITLE)
from xsession import wait_for

RELEASE = sys.argv.pop(1)
DESCRIPTIONS = {"Азбучно": "Показва фирмите по азбучен ред", "Дължина": "Показва фирмите по дължина на името",
                "Избери": "Записва избраната фирма в текстовото поле",
                "Изчисти": "Изчиства текстовото поле и връща реда, в който фирмите са въведени"}
# The roles a screen reader lists for a page: its landmarks, and its boxes to type in.
LISTED_ROLES = {"textbox", "banner", "complementary", "contentinfo", "form", "main", "navigation", "region", "search"}
# Each step: a click on a button or a point of the window, or a button
# pressed through the tree; then the options in order (None: as before),
# the selected ones, the node with the focus, and how the text box starts.
STEPS = [
    ("at the start", None, USER_ORDER, [], ("textbox", TEXT_NAME), TASK_START),
    ("Дължина clicked", "Дължина", BY_LENGTH, [], ("button", "Дължина"), TASK_START),
    ("DHL clicked", FIRST_ROW, None, ["DHL"], ("option", "DHL"), TASK_START),
    ("Избери clicked", "Избери", None, ["DHL"], ("button", "Избери"), "Избрана фирма: DHL\n"),
    ("Избери clicked again", "Избери", None, ["DHL"], ("button", "Избери"), "Избрана фирма: DHL\n"),
    ("Азбучно pressed through the tree", ("press", "Азбучно"), ALPHABETICAL, [], ("button", "Избери"), "Избрана"),
]
# Those nodes (LISTED_ROLES), as (role, name),, on a desktop and
# on a phone whose platform reports Linux, as Android's do: there Qt adds a
# text input of its own for the on-screen keyboard.
PHONE = {"userAgent": "Mozilla/5.0 (Linux; Android 13; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) "
                      "Chrome/120.0 Mobile Safari/537.36", "platform": "Linux armv8l"}
AROUND_THE_WINDOW = [("desktop", None, [("main", ""), ("textbox", TEXT_NAME)]),
                     ("phone", (360, 740, 3),
                      [("main", ""), ("textbox", TEXT_NAME), ("textbox", "Писане в програмата")])]


class PageForAScreenReader(unittest.TestCase):
    def open(self, device=None):
        server, self.browser = FolderServer(RELEASE), Browser(["--force-renderer-accessibility"], device)
        self.addCleanup(server.close)
        self.addCleanup(self.browser.close)
        self.driver = self.browser.driver
        if device:
            self.driver.execute_cdp_cmd("Emulation.setUserAgentOverride", PHONE)
        self.driver.get(server.url)
        self.window = WindowOnPage(self.browser)

    def act(self, action):
        if action in BUTTONS:
            self.window.click(*BUTTONS[action])
        elif action and action[0] == "press":
            tree = Tree(self.driver)
            tree.press(tree.find("button", action[1])[0])
        elif action:
            self.window.click(*action)

    def test_the_window_as_a_screen_reader_gets_it(self):
        self.open()
        tree = wait_for(lambda: (tree := Tree(self.driver)).find("option") and tree, what="the window's controls")
        self.assertEqual(tree.names("heading"), [WINDOW_TITLE])
        self.assertEqual(tree.names("listbox"), [LIST_NAME])
        self.assertEqual({tree.field(node, "name"): tree.field(node, "description") for node in tree.find("button")},
                         DESCRIPTIONS)
        self.assertEqual([(tree.field(node, "name"), tree.field(node, "multiline")) for node in tree.find("textbox")],
                         [(TEXT_NAME, True)])
        spoken = []
        for step, action, options, selected, focused, text in STEPS:
            with self.subTest(step):
                self.act(action)
                tree = wait_for(lambda: (tree := Tree(self.driver))
                                and (options is None or tree.names("option") == options)
                                and tree.names("option", "selected") == selected
                                and any(tree.field(node, "focused") for node in tree.find(*focused))
                                and tree.field(tree.find("textbox")[0], "value").startswith(text) and tree,
                                timeout=10, what=f"the tree {step}")
                if action == "Избери":
                    # Each press adds a new line to a live region, which a
                    # screen reader speaks, the same words again too.
                    spoken.append(next((tree.text(tree.nodes[child]), node["nodeId"])
                                       for node in tree.nodes.values() if tree.field(node, "live") == "assertive"
                                       for child in node.get("childIds", [])))
        self.assertEqual([words.strip() for words, _ in spoken], ["Избрана фирма: DHL"] * 2)
        # The same words again come in the other region, and apart from the
        # first by an unheard space: a screen reader takes them for an echo.
        self.assertTrue(all(first != second for first, second in zip(*spoken)),
                        f"the second press gave a screen reader nothing new: {spoken}")

    def test_around_the_window(self):
        for device, metrics, found in AROUND_THE_WINDOW:
            with self.subTest(device):
                self.open(metrics)
                tree = wait_for(lambda: (tree := Tree(self.driver)).find("heading") and tree, what="the window")
                # A text field's own editing area inside it counts with the field.
                listed = [node for node in tree.nodes.values()
                          if (tree.field(node, "editable") or tree.field(node, "role") in LISTED_ROLES)
                          and tree.field(tree.every.get(node.get("parentId"), {}), "role") != "textbox"]
                self.assertEqual(sorted((tree.field(node, "role"), tree.field(node, "name")) for node in listed), found)
                node, around = tree.find("heading", WINDOW_TITLE)[0], []
                while node := tree.every.get(node.get("parentId")):
                    around.append(tree.field(node, "role"))
                self.assertIn("main", around, "the window is outside the page's main landmark")


if __name__ == "__main__":
    unittest.main(verbosity=2)
