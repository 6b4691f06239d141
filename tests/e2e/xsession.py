"""A private X server and session bus for driving the real program."""

import os
import subprocess
import tempfile
import time


class XSession:
    """Xvfb and a session D-Bus, started together and stopped together."""

    def __init__(self, width=800, height=600):
        self._processes = []
        self.runtime_dir = tempfile.mkdtemp(prefix="courier-firms-e2e-")
        os.chmod(self.runtime_dir, 0o700)
        read_fd, write_fd = os.pipe()
        # -noreset: the server must outlive its last client between steps.
        self._start(["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                     "-screen", "0", f"{width}x{height}x24"], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"
        bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE, text=True)
        self.bus_address = bus.stdout.readline().strip()
        if not self.bus_address:
            raise RuntimeError("the session bus did not start")

    def environment(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                   XDG_RUNTIME_DIR=self.runtime_dir)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def export_environment(self):
        """Points this process at the session, as the accessibility client needs."""
        env = self.environment()
        os.environ.update({key: env[key]
                           for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})

    def run(self, *command):
        return subprocess.run(command, env=self.environment(), check=True,
                              capture_output=True, text=True).stdout

    def start(self, command, extra_env=None, **kwargs):
        return self._start(command, env=dict(self.environment(), **(extra_env or {})), **kwargs)

    def _start(self, command, **kwargs):
        process = subprocess.Popen(command, **kwargs)
        self._processes.append(process)
        return process

    def close(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
            if process.stdout:
                process.stdout.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def wait_for(condition, timeout=20.0, what="condition"):
    """Polls until condition() returns something true, and returns it."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)
