#!/usr/bin/python3
"""Runs the program, built with AddressSanitizer, in a real X server with
LeakSanitizer on: it starts, gets a click on each button (and on a row
before Избери) and is closed. Fails on any leak whose allocation passes
through the program's own code (logic/, window/, app/); leaks of the system
libraries alone are only summed up.

usage: e2e_leaks.py PROGRAM SOURCE_DIR BUILD_DIR"""

import collections
import os
import re
import subprocess
import sys
import unittest

from programwindow import BUTTONS, FIRST_ROW, LIST_NAME, ProgramWindow
from xsession import XSession, wait_for

PROGRAM, SOURCE_DIR, BUILD_DIR = sys.argv[1:4]
del sys.argv[1:4]
OWN_CODE = tuple(os.path.join(os.path.realpath(root), part) + os.sep
                 for root in (SOURCE_DIR, BUILD_DIR) for part in ("logic", "window", "app"))

# Whole stacks, not only the frames that keep a frame pointer; verbosity 2
# shows LeakSanitizer stopping the threads, the proof that it looked (Clang
# 19's writes it on the line of its "checking for leaks").
LEAK_CHECK = "detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=100:verbosity=2"
LEAK_CHECK_RAN = re.compile(r"==\d+==Attached to thread \d+\.$", re.M)
SANITIZER_REPORT = re.compile(r"^.*(ERROR: |runtime error: )", re.M)
LEAK_HEADER = re.compile(r"^(Direct|Indirect) leak of (\d+) byte\(s\) in (\d+) object\(s\) allocated from:$")
FRAME = re.compile(r"^\s*#\d+ 0x[0-9a-f]+\s+(?:in .+?\s+)?(?P<where>\S+)$")

Leak = collections.namedtuple("Leak", "header size frames")


def parse_leaks(report):
    """The leaks of a LeakSanitizer report, each with its stack."""
    leaks = []
    for line in report.splitlines():
        header = LEAK_HEADER.match(line)
        if header:
            leaks.append(Leak(line, int(header.group(2)), []))
        elif leaks and FRAME.match(line):
            leaks[-1].frames.append(line.strip())
    return leaks


def location(frame):
    """Where a frame is: "dir/file.cpp" for "dir/file.cpp:12:3", "lib.so" for "(lib.so+0x1f)"."""
    where = FRAME.match(frame).group("where").strip("()")
    return re.sub(r"(:\d+)+$|\+0x[0-9a-f]+$", "", where)


def is_own(leak):
    return any(os.path.realpath(location(frame)).startswith(OWN_CODE) for frame in leak.frames)


def summary(leaks):
    """The leaks grouped by the first frame outside the sanitizer runtime."""
    groups = collections.Counter()
    sizes = collections.Counter()
    for leak in leaks:
        frames = [f for f in leak.frames if "libsanitizer" not in f and "libasan" not in f]
        key = os.path.basename(location(frames[0])) if frames else "?"
        groups[key] += 1
        sizes[key] += leak.size
    lines = [f"{len(leaks)} leaks of the system libraries, {sum(sizes.values())} bytes:"]
    lines += [f"  {count:4} in {key} ({sizes[key]} bytes)" for key, count in groups.most_common()]
    return "\n".join(lines)


class NoLeaksOfOurOwn(unittest.TestCase):
    def setUp(self):
        self.session = XSession()
        self.addCleanup(self.session.close)
        self.program = ProgramWindow(self.session, PROGRAM, extra_env={"ASAN_OPTIONS": LEAK_CHECK})
        self.addCleanup(self.program.kill)
        self.list = self.program.find(self.program.atspi.ROLE_LIST, LIST_NAME)

    def items(self, count):
        return [self.list[row].name for row in range(count)]

    def click_and_wait(self, button, condition, what):
        self.program.click(*BUTTONS[button])
        wait_for(lambda: self.check_running() or condition(), what=what)

    def check_running(self):
        try:
            self.program.check_running()
        except AssertionError:
            output = self.program.output()
            # A sanitizer's report, past the lines that verbosity adds.
            found = SANITIZER_REPORT.search(output)
            report = output[found.start():] if found else output[-3000:]
            self.fail(f"the program ended with status {self.program.process.returncode}:\n{report}")

    def test_a_session_leaves_no_leak_of_its_own(self):
        self.click_and_wait("Азбучно", lambda: self.items(2) == ["DHL", "Direct"], "the alphabetical list")
        self.click_and_wait("Дължина", lambda: self.items(2) == ["DHL", "OCB"], "the list by length")
        self.program.click(*FIRST_ROW)
        self.click_and_wait("Избери", lambda: self.program.text() == "Избрана фирма: DHL\n", "the selected firm")
        self.click_and_wait("Изчисти", lambda: self.program.text() == "" and self.items(1) == ["Спиди"],
                            "the list in the user's order")
        self.program.close()
        try:
            status = self.program.process.wait(60)
        except subprocess.TimeoutExpired:
            self.fail(f"the program did not end after its window was closed:\n"
                      f"{self.program.output()[-3000:]}")

        report = self.program.output()
        self.assertRegex(report, LEAK_CHECK_RAN, "LeakSanitizer did not run")
        self.assertNotIn("LeakSanitizer has encountered a fatal error", report)
        leaks = parse_leaks(report)
        own = [leak for leak in leaks if is_own(leak)]
        print(summary([leak for leak in leaks if leak not in own]), file=sys.stderr)
        self.assertFalse(own, "leaks through the program's own code:\n" + "\n\n".join(
            "\n".join([leak.header] + leak.frames) for leak in own))
        # A sanitizer ends the program with status 1 when it reports leaks.
        self.assertIn(status, (0, 1) if leaks else (0,), report[-3000:])


if __name__ == "__main__":
    unittest.main(verbosity=2)
