"""A private Wayland desktop for end-to-end cases.

A WaylandSession runs weston with its headless backend (a real compositor
without a screen) on a socket of its own, with XWayland when asked, and a
private session bus on which the accessibility bus (AT-SPI) starts on
demand. Under Wayland no program can send keys or clicks to another
program's window, so the cases drive the program as a screen reader does:
through its accessible controls (toevane-atspi, tests/e2e/atspi.cpp), and
judge it by what those show and by its exit status.

Like harness.Session it is a harness.SessionBase: a temporary HOME,
XDG_CONFIG_HOME and XDG_RUNTIME_DIR and a stub xdg-open, which here also
records whether the program handed QT_QPA_PLATFORM down to it. Every
process started with the session's runtime folder in its environment is
ended when it closes.
"""

import json
import os
import re
import subprocess

import harness
from harness import WAIT, check, wait_until

STUB_XDG_OPEN = """#!/bin/sh
# Stands in for the browser: records every address it is given, one a line,
# and the platform choice it was handed.
for address in "$@"; do
    printf '%s\\n' "$address" >> '{log}'
done
printf '%s\\n' "QT_QPA_PLATFORM=${{QT_QPA_PLATFORM-(unset)}}" >> '{env_log}'
"""


class Accessible(dict):
    """One line of `toevane-atspi tree`: app, pid, bus, path, parent, window,
    role, name, states, actions."""

    def showing(self):
        return "showing" in self["states"]

    def checked(self):
        return "checked" in self["states"]


class WaylandSession(harness.SessionBase):
    TOOLS = ("weston", "dbus-daemon")

    def __init__(self, name, binary=None, xwayland=False):
        super().__init__(name, binary, STUB_XDG_OPEN)
        self.atspi = os.environ["TOEVANE_ATSPI_TOOL"]
        self.xwayland = xwayland
        self.socket = "toevane-e2e"
        self.weston_log = os.path.join(self.root, "weston.log")
        self.bus = "unix:path=" + os.path.join(self.root, "bus")

    # -- set-up and tear-down

    def _start_services(self):
        self._start_compositor()
        self._start_bus()

    def _start_compositor(self):
        argv = ["weston", "--backend=headless-backend.so", f"--socket={self.socket}",
                "--idle-time=0", "--no-config", "--use-pixman", "--debug",
                "--width=1280", "--height=1024", f"--log={self.weston_log}"]
        if self.xwayland:
            argv.append("--xwayland")
        weston = self._spawn(argv, os.path.join(self.root, "weston.out"))
        socket = os.path.join(self.runtime, self.socket)

        def up():
            check(weston.poll() is None, f"weston ended at start: {self._weston_says()}")
            return os.path.exists(socket)
        wait_until(up, "weston to open its socket")
        if self.xwayland:
            def x_display():
                check(weston.poll() is None, f"weston ended at start: {self._weston_says()}")
                found = re.findall(r"xserver listening on display (:\d+)", self._weston_says())
                return found[-1] if found else None
            self.display = wait_until(x_display, "weston to name its XWayland display")

    def _start_bus(self):
        self._spawn(["dbus-daemon", "--session", "--nofork", f"--address={self.bus}"],
                    os.path.join(self.root, "dbus.log"))
        path = self.bus.split("=", 1)[1]
        wait_until(lambda: os.path.exists(path), "the session bus to open")

    def _weston_says(self):
        return harness.read_text(self.weston_log)

    def close(self):
        self._end_programs()
        self._stop_services()
        # The accessibility bus and registry, XWayland, the stub: whatever
        # still runs with this session's runtime folder.
        harness.kill_all(self.processes())
        self._remove_root()

    def processes(self):
        """Live processes started with this session's runtime folder."""
        return harness.processes_in_session(self.runtime)

    def _screenshot(self, path):
        folder = os.path.dirname(path)
        before = set(os.listdir(folder))
        subprocess.run(["weston-screenshooter"], env=self._env(), cwd=folder,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=WAIT)
        for shot in sorted(set(os.listdir(folder)) - before):
            os.replace(os.path.join(folder, shot), path)
        return os.path.exists(path)

    def _windows_seen(self):
        return [(w["name"], w["states"]) for w in self.windows()]

    def _report_failure(self):
        super()._report_failure()
        print("--- weston log (end) ---\n" + "\n".join(self._weston_says().splitlines()[-20:]))

    def _session_env(self):
        env = {
            "XDG_SESSION_TYPE": "wayland",
            "WAYLAND_DISPLAY": self.socket,
            "DBUS_SESSION_BUS_ADDRESS": self.bus,
        }
        if self.display:
            env["DISPLAY"] = self.display
        return env

    # -- the program

    def start_program(self, env=None):
        """Starts the program as a desktop would, with its accessibility on."""
        return self._launch(self.binary, {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", **(env or {})})

    def platform_plugin(self, program):
        """The Qt platform plugin the program loaded: xcb, wayland, ..."""
        try:
            with open(f"/proc/{program.pid}/maps") as f:
                found = set(re.findall(r"/platforms/libq([a-z0-9-]+)\.so", f.read()))
        except OSError:
            return None
        return ",".join(sorted(found)) or None

    # -- what the program shows, through its accessible controls

    def accessible(self, program=None):
        """Every accessible window and every object showing in one."""
        result = subprocess.run([self.atspi, "tree"], env=self._env(), stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=WAIT)
        if result.returncode != 0:
            return []
        objects = [Accessible(json.loads(line)) for line in result.stdout.splitlines() if line]
        return [o for o in objects if program is None or o["pid"] == program.pid]

    def windows(self, program=None):
        return [o for o in self.accessible(program) if not o["parent"]]

    def wait_window(self, program, holds, what):
        """Waits for a showing window of the program that holds a showing
        object with the given role and name; returns the window's objects."""
        role, name = holds

        def shown():
            objects = self.accessible(program)
            for window in (o for o in objects if not o["parent"] and o.showing()):
                inside = [o for o in objects if o["window"] == window["path"]]
                if any(o["role"] == role and o["name"] == name and o.showing() for o in inside):
                    return inside
            return None
        return wait_until(shown, what)

    def act(self, target, action):
        """Performs the action (Press, Toggle, ...) of an accessible object."""
        result = subprocess.run([self.atspi, "do", target["bus"], target["path"], action],
                                env=self._env(), stdin=subprocess.DEVNULL, capture_output=True,
                                text=True, timeout=WAIT)
        check(result.returncode == 0,
              f"{action} on {target['role']} '{target['name']}': {result.stderr.strip()}")

    # -- what the program left behind

    def opener_environment(self):
        return harness.read_text(self.env_log).splitlines()
