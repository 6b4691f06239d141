#!/usr/bin/python3
"""Starts the program in its own X server, waits for its window, closes it as
a window manager would, and checks that the program then exits with status 0.

usage: open_and_close.py PROGRAM
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from programwindow import close_window, find_window  # noqa: E402
from xsession import XSession, wait_for  # noqa: E402

program = sys.argv[1]

with XSession() as session:
    app = session.start([program], extra_env={"QT_QPA_PLATFORM": "xcb"})
    try:
        window = wait_for(lambda: app.poll() is not None or find_window(session), timeout=30,
                          what="the program's window")
        if app.poll() is not None:
            sys.exit(f"FAIL: the program exited with {app.returncode} before showing its window")
        print(f"window {window}: {session.run('xdotool', 'getwindowname', window).strip()}")

        close_window(session, window)
        try:
            status = app.wait(timeout=15)
        except subprocess.TimeoutExpired:
            sys.exit("FAIL: the program still runs 15 s after its window was closed")
        if status != 0:
            sys.exit(f"FAIL: the program exited with {status} after its window was closed")
        print("closed, exit status 0")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
