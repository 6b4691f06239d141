#!/usr/bin/python3
"""Starts the program on the X display in $DISPLAY, waits for its main window
(found by title), closes it as a window manager would, with a WM_DELETE_WINDOW
message, and checks that the program then exits with status 0.

usage: open_and_close.py PROGRAM
"""
import ctypes
import os
import subprocess
import sys

TITLE_PATTERN = "куриерски фирми"
program = sys.argv[1]


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def send_delete_window(window):
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                               ctypes.c_long, ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("FAIL: cannot open the X display")
    event = XEvent()
    event.xclient.type = 33  # ClientMessage
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    event.xclient.data[1] = 0  # CurrentTime
    x11.XSendEvent(display, window, False, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


env = dict(os.environ, QT_QPA_PLATFORM="xcb")
app = subprocess.Popen([program], env=env)
try:
    try:
        found = subprocess.run(["xdotool", "search", "--sync", "--name", TITLE_PATTERN],
                               capture_output=True, text=True, timeout=30)
    except subprocess.TimeoutExpired:
        sys.exit(f"FAIL: no window titled like '{TITLE_PATTERN}' within 30 s"
                 f" (program {'still running' if app.poll() is None else 'exited with ' + str(app.returncode)})")
    windows = found.stdout.split()
    if found.returncode != 0 or len(windows) != 1:
        sys.exit(f"FAIL: xdotool search gave {windows} ({found.returncode})")
    if app.poll() is not None:
        sys.exit(f"FAIL: program exited with {app.returncode} after showing its window")
    title = subprocess.run(["xdotool", "getwindowname", windows[0]],
                           capture_output=True, text=True).stdout.strip()
    print(f"window {windows[0]}: {title}")

    send_delete_window(int(windows[0]))
    try:
        status = app.wait(timeout=15)
    except subprocess.TimeoutExpired:
        sys.exit("FAIL: program still running 15 s after its window was closed")
    if status != 0:
        sys.exit(f"FAIL: program exited with {status} after its window was closed")
    print("closed, exit status 0")
finally:
    if app.poll() is None:
        app.kill()
        app.wait()
