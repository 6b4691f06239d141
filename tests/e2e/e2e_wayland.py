#!/usr/bin/python3
"""Starts the program natively on Wayland, under a headless weston, and checks
that it stays up with nothing on stderr. Ends with status 77 (skipped) where
weston or Qt's Wayland plugin (Debian packages weston and qt6-wayland) is
missing.

usage: e2e_wayland.py PROGRAM
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
program = sys.argv[1]


def skip(reason):
    print(f"SKIP: {reason}")
    sys.exit(SKIP)


if not shutil.which("weston"):
    skip("weston is not installed (Debian package weston)")

with tempfile.TemporaryDirectory(prefix="courier-firms-wayland-") as runtime_dir, \
        tempfile.TemporaryFile(mode="w+") as weston_log, \
        tempfile.TemporaryFile(mode="w+") as stderr:
    os.chmod(runtime_dir, 0o700)
    socket = "courier-firms-wayland"
    env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(XDG_RUNTIME_DIR=runtime_dir)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", f"--socket={socket}",
                               "--idle-time=0", "--no-config"], env=env,
                              stdout=weston_log, stderr=subprocess.STDOUT)
    app = None
    try:
        deadline = time.monotonic() + 20
        while not os.path.exists(os.path.join(runtime_dir, socket)):
            if weston.poll() is not None or time.monotonic() > deadline:
                weston_log.seek(0)
                skip(f"headless weston did not start:\n{weston_log.read()[-2000:]}")
            time.sleep(0.05)

        env.update(WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland")
        app = subprocess.Popen([program], env=env, stderr=stderr)
        time.sleep(3)
        stderr.seek(0)
        output = stderr.read()
        if 'platform plugin "wayland"' in output and "find" in output:
            skip(f"Qt's Wayland plugin is not installed (Debian package qt6-wayland):\n{output}")
        if app.poll() is not None:
            sys.exit(f"FAIL: the program ended with status {app.returncode} on Wayland:\n{output}")
        if output:
            sys.exit(f"FAIL: the program wrote to stderr on Wayland:\n{output}")
        print("the program ran 3 s on headless weston, nothing on stderr")
    finally:
        for process in (app, weston):
            if process and process.poll() is None:
                process.terminate()
                process.wait(10)
