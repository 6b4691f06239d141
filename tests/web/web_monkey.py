#!/usr/bin/python3
"""Random hands on the page, from a seed: taps, drags and clicks on the
window's list and buttons, keys, presses through the accessibility tree as a
screen reader gives them, and the screen turned between a phone, a tablet and
a desktop. After each action the window still shows, with no error on the
page or in its console, and the tree a screen reader reads says what the
window does: the list in the order of the last button pressed, the selected
option the list's current row, the focus on the control that has Qt's, and
after Избери the same answer in the text box and in the live region.

usage: web_monkey.py RELEASE; 200 actions unless MONKEY_ACTIONS says
otherwise, from a random seed unless MONKEY_SEED gives one, or several, each
run in turn with a browser of its own."""

import collections
import contextlib
import os
import random
import shlex
import sys
import time
import unittest

from browserpage import DEVICES, LIST, SELECTED_ROW, TEXT, WINDOW, Browser, FolderServer, Tree, WindowOnPage
from programwindow import ALPHABETICAL, BUTTONS, BY_LENGTH, CHOSEN, LIST_NAME, NONE_CHOSEN, TEXT_NAME, USER_ORDER
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from xsession import wait_for

RELEASE = sys.argv.pop(1)
ACTIONS = int(os.environ.get("MONKEY_ACTIONS") or 200)
SCREENS = {**DEVICES, "phone, landscape": (740, 360, 3)}
ORDERS = {"Азбучно": ALPHABETICAL, "Дължина": BY_LENGTH, "Изчисти": USER_ORDER}
# Qt's Tab order, each control named as the tree names it.
TAB_ORDER = [TEXT_NAME, LIST_NAME, "Азбучно", "Избери", "Изчисти", "Дължина"]
# The keys each control gets, and the rows the list's leave selected: the
# current row, or none where the key left the current row where it was
# (Home on the first row, say), which Qt then does not select.
ARROWS = {"Up": Keys.ARROW_UP, "Down": Keys.ARROW_DOWN, "Home": Keys.HOME, "End": Keys.END}
PRESSES = {"Space": Keys.SPACE, "Enter": Keys.ENTER}
LIST_KEYS = {key: (code, "current") for key, code in {**ARROWS, "Space": Keys.SPACE}.items()}
TEXT_KEYS = {**ARROWS, "Left": Keys.ARROW_LEFT, "Right": Keys.ARROW_RIGHT, **PRESSES}
ANSWER = object()  # the text box holds the answer to the selection it shows
# Long enough for the page to have handled an action and Qt its events.
SETTLE = "requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(arguments[0], 20)))"
# What each check looks at, of the window: the label's corner and a pixel
# row above it, where the window starts, and the list.
SEEN = (0, -2, LIST[0] + LIST[2] + 1, LIST[1] + LIST[3] + 3)


# Where the time goes: seconds by what they went on.
SPENT = collections.Counter()


@contextlib.contextmanager
def spending(what):
    start = time.monotonic()
    try:
        yield
    finally:
        SPENT[what] += time.monotonic() - start


class Monkey:
    """The page, random actions on it and what each leaves it showing."""

    def __init__(self, browser, seed):
        self.random, self.browser, self.driver = random.Random(seed), browser, browser.driver
        self.driver.set_script_timeout(300)  # the first frames of a page on a busy machine
        self.device, self.window = "desktop", WindowOnPage(browser)
        self.order, self.focus, self.text, self.selected, self.chosen = USER_ORDER, TEXT_NAME, None, [], None
        self.tapped, self.line, self.moving = None, None, None
        self.actions = {self.press_button: 15, self.choose_row: 15, self.move_list: 8, self.click_text: 5,
                        self.tab: 10, self.key: 25, self.press_in_tree: 12, self.turn: 3}

    def act(self):
        self.tapped, self.chosen = None, None
        return self.random.choices(list(self.actions), list(self.actions.values()))[0]()

    def pressed(self, name):
        if name in ORDERS:
            self.order, self.chosen = ORDERS[name], []
        self.text = "" if name == "Изчисти" else ANSWER if name == "Избери" else self.text

    def hand(self):
        return "tap" if self.browser.touch else "click"

    def press_button(self):
        name, dx, dy = self.random.choice(list(BUTTONS)), self.random.randint(-40, 40), self.random.randint(-7, 7)
        self.window.click(BUTTONS[name][0] + dx, BUTTONS[name][1] + dy)
        self.focus = name
        self.pressed(name)
        return f"{self.hand()} {name} at {dx:+},{dy:+}"

    def choose_row(self):
        x, y = LIST[0] + self.random.randrange(LIST[2]), LIST[1] + 1 + self.random.randrange(LIST[3] - 2)
        self.focus, self.chosen, self.tapped = LIST_NAME, "one", (x, y)
        if self.browser.touch and self.random.random() < 0.5:
            # A finger trembles a little; it taps all the same.
            path = [(x, y)] + [(x + self.random.randint(-2, 2), y + self.random.randint(-2, 2)) for _ in range(3)]
            self.touch(path)
            return f"tap the list at {x},{y}, trembling through {path[1:]}"
        self.window.click(x, y)
        return f"{self.hand()} the list at {x},{y}"

    def move_list(self):
        x, y = LIST[0] + self.random.randrange(LIST[2]), LIST[1] + self.random.randrange(LIST[3])
        # Towards the farther edge, far enough not to be a tap.
        up, down = y - LIST[1], LIST[1] + LIST[3] - y
        distance = -self.random.randint(20, up) if up > down else self.random.randint(20, down)
        if self.browser.touch:
            # A drag that stops before the finger lifts, so that the list does not fly on.
            end = y + distance
            self.touch([(x, y + (end - y) * step // 8) for step in range(9)] + [(x, end)] * 3, pause=0.02)
            self.focus = LIST_NAME  # Qt gives the focus to what a finger touches, as to what a mouse presses
            what = f"drag the list from {x},{y} to {x},{end}"
        else:
            at = self.window.at(x, y)
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": "mouseWheel", "x": at[0] / self.window.scale, "y": at[1] / self.window.scale,
                "deltaX": 0, "deltaY": distance * 2})
            what = f"turn the wheel by {distance * 2} over the list at {x},{y}"
        # The check waits for the list at rest: the same in two screenshots.
        self.moving = self.window.area(*LIST, self.shot(*SEEN))
        return what

    def touch(self, points, pause=0.0):
        self.browser.touch_path([(px / self.window.scale, py / self.window.scale)
                                 for px, py in (self.window.at(x, y) for x, y in points)], pause)

    def click_text(self):
        x, y = TEXT[0] + self.random.randrange(TEXT[2]), TEXT[1] + self.random.randrange(TEXT[3])
        self.window.click(x, y)
        self.focus = TEXT_NAME
        return f"{self.hand()} the text box at {x},{y}"

    def tab(self):
        ActionChains(self.driver).send_keys(Keys.TAB).perform()
        self.focus = TAB_ORDER[(TAB_ORDER.index(self.focus) + 1) % len(TAB_ORDER)]
        return "Tab"

    def key(self):
        keys = LIST_KEYS if self.focus == LIST_NAME else TEXT_KEYS if self.focus == TEXT_NAME else PRESSES
        name = self.random.choice(list(keys))
        code = keys[name][0] if self.focus == LIST_NAME else keys[name]
        ActionChains(self.driver).send_keys(code).perform()
        if self.focus == LIST_NAME:
            self.chosen = keys[name][1]
        elif self.focus == TEXT_NAME:
            self.text = None
        else:
            self.pressed(self.focus)
        return f"{name} on {self.focus}"

    def press_in_tree(self):
        tree = self.tree()
        node = self.random.choice(tree.find(self.random.choice(["button", "option"])))
        name = tree.field(node, "name")
        tree.press(node)
        if tree.field(node, "role") == "option":
            self.focus, self.chosen = LIST_NAME, [name]
        else:
            self.pressed(name)
        return f"press {tree.field(node, 'role')} {name} through the tree"

    def turn(self):
        self.device = self.random.choice([device for device in SCREENS if device != self.device])
        self.browser.emulate(SCREENS[self.device])
        # The page lays itself out anew: the window is found once it stays put.
        self.window = wait_for(self.window_at_rest, timeout=30, what="the window at rest on the new screen")
        shot = self.shot()
        right, bottom = self.window.at(*WINDOW)
        assert (right, bottom) <= (shot.width, shot.height), f"the window ends at {right},{bottom}, " \
            f"beyond the screen's {shot.width}x{shot.height}"
        return f"turn into a {self.device}"

    def window_at_rest(self):
        first, then = WindowOnPage(self.browser), WindowOnPage(self.browser)
        return (first.scale, first.origin) == (then.scale, then.origin) and then

    def check(self):
        """Waits for the page to show what the last action must leave;
        raises with what it shows otherwise."""
        with spending("waits for frames"):
            self.driver.execute_async_script(SETTLE)
        found = []
        wait = time.monotonic() + 10
        while found := self.problems():
            if time.monotonic() > wait:
                raise AssertionError("; ".join(found))
            with spending("waits for the page"):
                time.sleep(0.05)

    def shot(self, *area):
        with spending("screenshots"):
            return self.window.screenshot(*area)

    def tree(self):
        with spending("tree reads"):
            return Tree(self.driver)

    def problems(self):
        with spending("console and status"):
            errors = [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
            assert not errors, f"the console says: {errors}"
            error = self.driver.execute_script("return document.getElementById('loading').hidden ? '' "
                                               ": document.getElementById('status').textContent")
            assert not error, f"the page says: {error}"
        shot = self.shot(*SEEN)
        found = [] if shot.window_origin(self.window.scale) == self.window.origin else ["the window is gone"]
        if self.moving is not None:
            rows, self.moving = self.moving, self.window.area(*LIST, shot)
            if rows != self.moving:
                found.append("the list still moves")
        # The list scrolls a row only half in sight into view as it chooses it.
        if self.tapped and SELECTED_ROW not in self.window.area(*LIST, shot):
            found.append(f"no row shows selected after a tap at {self.tapped}")

        tree = self.tree()
        options, selected = tree.names("option"), tree.names("option", "selected")
        if options != self.order:
            found.append(f"the options are {options}, the list {self.order}")
        focused = [node for node in tree.nodes.values() if tree.field(node, "focused")
                   and tree.field(node, "role") != "RootWebArea"]
        roles = [tree.field(node, "role") for node in focused]
        names = [LIST_NAME if role in ("option", "listbox") else tree.field(node, "name")
                 for node, role in zip(focused, roles)]
        if names != [self.focus]:
            found.append(f"the focus is on {list(zip(roles, names))}, Qt's on {self.focus}")
        current = [tree.field(node, "name") for node, role in zip(focused, roles) if role == "option"]
        if self.chosen == "one":
            right = len(current) == 1 and selected == current
        else:
            right = selected in ([], current) if self.chosen == "current" else selected == (
                self.selected if self.chosen is None else self.chosen)
        if not right or (self.focus == LIST_NAME and not set(selected) <= set(current)):
            found.append(f"selected are {selected} ({self.chosen or self.selected} expected), "
                         f"with the current row {current}")

        value = tree.field(tree.find("textbox", TEXT_NAME)[0], "value")
        if self.text is ANSWER:
            answer = CHOSEN.format(selected[0]) if selected else NONE_CHOSEN
            lines = [(tree.text(tree.nodes[child]).strip(), child) for node in tree.nodes.values()
                     if tree.field(node, "live") == "assertive" for child in node.get("childIds", [])]
            if value != answer + "\n" or [text for text, _ in lines] != [answer] or lines[0][1] == self.line:
                found.append(f"the text box says {value!r}, the live region {lines} after {self.line}, "
                             f"for {answer!r}")
            elif not found:
                self.line = lines[0][1]
        elif self.text is not None and value != self.text:
            found.append(f"the text box says {value!r}, not {self.text!r}")
        if not found:
            self.selected, self.text, self.moving = selected, value, None
        return found


class RandomHands(unittest.TestCase):
    def test_random_actions(self):
        seeds = [int(seed) for seed in os.environ.get("MONKEY_SEED", "").split()] or [random.randrange(2 ** 32)]
        for seed in seeds:
            with self.subTest(seed=seed):
                self.run_seed(seed)

    def run_seed(self, seed):
        print(f"seed {seed}, {ACTIONS} actions", flush=True)
        SPENT.clear()
        with contextlib.closing(FolderServer(RELEASE)) as server, \
                contextlib.closing(Browser(["--force-renderer-accessibility"])) as browser:
            browser.driver.get(server.url)
            self.try_page(seed, browser)
            self.assertEqual(server.failures, [], "requests the server could not answer")

    def try_page(self, seed, browser):
        monkey, action, start = Monkey(browser, seed), "the page opened", time.monotonic()
        for number in range(ACTIONS + 1):
            try:
                action = monkey.act() if number else action
                monkey.check()
                if number % 100 == 0:
                    took = time.monotonic() - start
                    print(f"{number} actions in {took:.0f} s: " + ", ".join(
                        f"{what} {seconds:.0f} s" for what, seconds in SPENT.most_common()) +
                        f", the rest {took - sum(SPENT.values()):.0f} s", flush=True)
            except AssertionError as error:
                here = os.path.dirname(os.path.abspath(__file__))
                command = [f"MONKEY_SEED={seed}", f"MONKEY_ACTIONS={number}",
                           f"PYTHONPATH={here}:{os.path.join(os.path.dirname(here), 'e2e')}",
                           sys.executable, os.path.abspath(__file__), os.path.abspath(RELEASE)]
                self.fail(f"action {number} ({action}): {error}\nreplay with: {shlex.join(command)}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
