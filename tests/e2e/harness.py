"""Shared harness of Toevane's end-to-end tests.

A Session is one private desktop: an Xvfb display of its own, the openbox
window manager, a temporary HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and a
stub `xdg-open` first on PATH that records every address it is given instead
of starting a browser. Programs started in a session are driven only as a
person would drive them (keys and clicks through xdotool, the close box
through the window manager) and judged by what a person would see: windows
by title and size, the recorded addresses, the settings file, whether the
process still runs.

A session may run its X server at another resolution (Xvfb's -dpi and the
Xft.dpi resource, which Qt reads to scale its windows): sizes and
coordinates that cases give and get are then in the program's own
device-independent pixels, as at 96 dpi, and screenshots in the screen's.

Every wait is for a condition, with a bound. Everything a session starts is
ended when it closes, also when a test fails or times out.
"""

import contextlib
import ctypes
import datetime
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

# Every window of the program: "Toevane v" and the project's version, which
# CTest passes on.
TITLE = "Toevane v" + os.environ.get("TOEVANE_VERSION", "1.10")
BOX_TITLE = "Toevane"          # every message box

# Windows are told apart by the width of their client area (their fixed sizes).
KIND_BY_WIDTH = {484: "questionnaire", 585: "results", 741: "exit screen", 423: "about"}
BOX = "box"

# Generous bound for one awaited change; CI is a loaded two-core machine.
WAIT = float(os.environ.get("TOEVANE_E2E_WAIT", "20"))
# Bound for a whole test case; CTest's own timeout lies above it.
CASE_TIMEOUT = int(os.environ.get("TOEVANE_E2E_CASE_TIMEOUT", "150"))

FORUM_HOST = os.environ.get("TOEVANE_FORUM_HOST", "www.starwellboard.example")
FORUM = "http://" + FORUM_HOST
HELP_PAGE = FORUM + "/toevane-free/toevane-free-help.html"
DOWNLOAD_PAGE = FORUM + "/toevane-free/download-toevane-free.html"
HOME_PAGE = FORUM


class Failure(AssertionError):
    """A check failed or an awaited condition did not come about in time."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def read_text(path):
    """The file's text, or "" when it cannot be read."""
    try:
        with open(path, errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def wait_until(condition, what, timeout=WAIT, interval=0.05):
    """Polls condition() until it returns a true value and returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


# --- processes ----------------------------------------------------------------

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_harness():
    # Runs in the child between fork and exec: if the harness itself is
    # killed (CTest's timeout), the child is killed too.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def _stop(process, grace=5.0):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def _live_pids(source, marker, exclude=()):
    """Pids of live processes (zombies left out) but this one and those
    excluded whose /proc/<pid>/<source> holds marker."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in exclude or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/{source}", "rb") as f:
                text = f.read()
            with open(f"/proc/{entry}/stat", "rb") as f:
                state = f.read().rsplit(b")", 1)[1].split()[0]
        except OSError:
            continue
        if marker in (text.split(b"\0") if source == "environ" else text) and state != b"Z":
            found.append(int(entry))
    return found


def processes_running(marker):
    """Pids of live processes whose command line contains marker."""
    return _live_pids("cmdline", marker.encode())


def kill_all(pids):
    for pid in pids:
        with contextlib.suppress(ProcessLookupError):
            os.kill(pid, signal.SIGKILL)


def processes_in_session(runtime, exclude=()):
    """Live processes started with this XDG_RUNTIME_DIR, but for this harness
    and the given pids."""
    return _live_pids("environ", f"XDG_RUNTIME_DIR={runtime}".encode(), exclude)


class Program:
    """One started copy of ToevaneFree."""

    def __init__(self, session, popen, log_path):
        self.session = session
        self.popen = popen
        self.pid = popen.pid
        self.log_path = log_path

    def alive(self):
        return self.popen.poll() is None

    def expect_exit(self, what):
        wait_until(lambda: not self.alive(), what)
        code = self.popen.returncode
        check(code == 0, f"the program ended with exit status {code}, expected 0")

    def output(self):
        return read_text(self.log_path)


# --- the session --------------------------------------------------------------

STUB_XDG_OPEN = """#!/bin/sh
# Stands in for the browser: records every address it is given, one a line,
# after saying what xdg-open says where no browser is set up.
for address in "$@"; do
    printf "xdg-open: no method available for opening '%s'\\n" "$address" >&2
    printf '%s\\n' "$address" >> '{log}'
done
"""


def session(**options):
    """Marks a case to run in a Session made with these options (dpi, screen)
    or, with kind=..., in another kind of session (see wayland.py)."""
    def mark(case):
        case.session_options = options
        return case
    return mark


class SessionBase:
    """A private desktop as described above, without its display and window
    manager. A subclass starts its services (_start_services), adds its own
    environment (_session_env), ends what it started (close) and, when a
    case fails, takes a screenshot (_screenshot) and lists the windows it
    sees (_windows_seen)."""

    def __init__(self, name, binary, stub):
        self.name = name
        self.binary = os.path.abspath(binary or os.environ["TOEVANE_BINARY"])
        self.root = tempfile.mkdtemp(prefix=f"toevane-e2e-{name}-")
        self.home = os.path.join(self.root, "home")
        self.config = os.path.join(self.root, "config")
        self.runtime = os.path.join(self.root, "runtime")
        self.bin = os.path.join(self.root, "bin")
        for path in (self.home, self.config, self.runtime, self.bin):
            os.makedirs(path)
        os.chmod(self.runtime, 0o700)
        self.url_log = os.path.join(self.root, "addresses.log")
        self.env_log = os.path.join(self.root, "opener-environment.log")
        self.stub = os.path.join(self.bin, "xdg-open")
        with open(self.stub, "w") as f:
            f.write(stub.format(log=self.url_log, env_log=self.env_log))
        os.chmod(self.stub, 0o755)
        self.settings_file = os.path.join(self.config, "ToevaneFree", "ToevaneFree.conf")
        self.display = None
        self._services = []   # in start order
        self.programs = []

    def __enter__(self):
        try:
            self._start_services()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None:
            self._report_failure()
        self.close()
        return False

    def _end_programs(self):
        for program in self.programs:
            if program.alive():
                program.popen.kill()
                program.popen.wait()

    def _stop_services(self):
        for service in reversed(self._services):
            _stop(service)
        self._services = []

    def _remove_root(self):
        if os.environ.get("TOEVANE_E2E_KEEP"):
            print(f"kept {self.root}")
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def _report_failure(self):
        artifacts = os.environ.get("TOEVANE_E2E_ARTIFACTS")
        if artifacts and self._services:
            os.makedirs(artifacts, exist_ok=True)
            shot = os.path.join(artifacts, f"{self.name}-failure.png")
            if self._screenshot(shot):
                print(f"screen at failure: {shot}")
        try:
            print("windows at failure:", self._windows_seen())
        except Exception as error:  # the display or the bus may be gone
            print("windows at failure: unknown:", error)
        print("addresses recorded:", self.addresses())
        for number, program in enumerate(self.programs, 1):
            text = program.output().strip()
            if text:
                print(f"--- output of program {number} (pid {program.pid}) ---\n{text}")

    def _spawn(self, argv, log):
        """Starts a service of the session, its output in the log."""
        process = subprocess.Popen(argv, env=self._env(), cwd=self.root,
                                   stdin=subprocess.DEVNULL, stdout=open(log, "w"),
                                   stderr=subprocess.STDOUT, preexec_fn=_die_with_harness)
        self._services.append(process)
        return process

    def _env(self, **extra):
        env = {
            "PATH": self.bin + os.pathsep + os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "TMPDIR": self.root,
            "LANG": "C.UTF-8",
        }
        env.update(self._session_env())
        # A sanitizer build reports where the sanitizer run collects reports.
        for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        env.update(extra)
        return env

    def _launch(self, binary, env, args=()):
        log = os.path.join(self.root, f"program-{len(self.programs) + 1}.log")
        popen = subprocess.Popen(
            [binary, *args], env=self._env(**env), cwd=self.home, stdin=subprocess.DEVNULL,
            stdout=open(log, "w"), stderr=subprocess.STDOUT, preexec_fn=_die_with_harness)
        program = Program(self, popen, log)
        self.programs.append(program)
        return program

    def addresses(self):
        return read_text(self.url_log).splitlines()


class Session(SessionBase):
    TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl", "xwininfo", "xprop", "xrdb", "import")

    def __init__(self, name, binary=None, dpi=96, screen=(1024, 768)):
        super().__init__(name, binary, STUB_XDG_OPEN)
        self.dpi = dpi
        self.scale = dpi / 96
        self.screen_size = screen

    # -- set-up and tear-down

    def _start_services(self):
        self._start_display()
        self._start_window_manager()

    def _start_display(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "%dx%dx24" % self.screen_size, "-dpi", str(self.dpi), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.root, "xvfb.log"), "w"),
            preexec_fn=_die_with_harness)
        os.close(write_end)
        self._services.append(xvfb)
        # Xvfb writes the display number it chose once it accepts clients.
        number = [b""]
        os.set_blocking(read_end, False)

        def reported():
            check(xvfb.poll() is None, "Xvfb ended at start")
            with contextlib.suppress(BlockingIOError):
                chunk = os.read(read_end, 16)
                check(chunk, "Xvfb closed the display pipe without a number")
                number[0] += chunk
            return number[0].endswith(b"\n")
        wait_until(reported, "Xvfb to report its display", interval=0.02)
        os.close(read_end)
        self.display = ":" + number[0].decode().strip()
        if self.dpi != 96:
            self.set_xft_dpi(self.dpi)

    def set_xft_dpi(self, dpi):
        """Sets the Xft.dpi resource, which programs started later read, and
        the scale of the sizes and coordinates that cases give and get."""
        self.scale = dpi / 96
        result = subprocess.run(["xrdb", "-nocpp", "-merge"], input=f"Xft.dpi: {dpi}\n",
                                env=self._env(), capture_output=True, text=True, timeout=WAIT)
        check(result.returncode == 0, f"xrdb failed: {result.stderr.strip()}")

    def _start_window_manager(self):
        self._spawn(["openbox", "--sm-disable"], os.path.join(self.root, "openbox.log"))
        wait_until(lambda: self._run(["wmctrl", "-m"], check_status=False).returncode == 0,
                   "the window manager to come up")

    def close(self):
        self._end_programs()
        kill_all(processes_running(self.stub))
        self._stop_services()
        self._remove_root()

    def _screenshot(self, path):
        return self.display and self._run(["import", "-silent", "-window", "root", path],
                                          check_status=False).returncode == 0

    def _windows_seen(self):
        return self.screen()

    def _session_env(self):
        return {
            "DISPLAY": self.display or "",
            # Keep the program away from any real session bus and desktop.
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.root, "no-bus"),
        }

    def _run(self, argv, check_status=True, timeout=WAIT):
        result = subprocess.run(argv, env=self._env(), stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, timeout=timeout)
        if check_status and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed ({result.returncode}): "
                          f"{result.stderr.strip()[-400:]}")
        return result

    # -- the program

    def start_program(self, binary=None, env=None):
        return self._launch(os.path.abspath(binary or self.binary), env or {})

    # -- what is on screen

    def window_pid(self, wid):
        result = self._run(["xdotool", "getwindowpid", str(wid)], check_status=False)
        return int(result.stdout) if result.returncode == 0 else None

    def device_size(self, wid):
        """The window's client area in the screen's pixels."""
        result = self._run(["xwininfo", "-id", str(wid)], check_status=False)
        width = re.search(r"^\s*Width: (\d+)", result.stdout, re.M)
        height = re.search(r"^\s*Height: (\d+)", result.stdout, re.M)
        if result.returncode != 0 or not width or not height:
            return None
        return int(width.group(1)), int(height.group(1))

    def client_size(self, wid):
        """The window's client area in device-independent pixels."""
        size = self.device_size(wid)
        return size and (round(size[0] / self.scale), round(size[1] / self.scale))

    def screen(self, program=None):
        """The program's visible windows as {kind: window id}.

        Kinds: questionnaire, results, exit screen, about, box (a message
        box), or "unknown WxH". Windows of other copies are left out when a
        program is given. Returns None while a window changes under our feet.
        """
        found = {}
        for pattern, is_box in ((f"^{re.escape(TITLE)}$", False),
                                (f"^{re.escape(BOX_TITLE)}$", True)):
            found_by_name = self._run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                                      check_status=False).stdout.split()
            for wid in map(int, found_by_name):
                if program is not None and self.window_pid(wid) != program.pid:
                    continue
                size = self.client_size(wid)
                if size is None:
                    return None
                kind = BOX if is_box else KIND_BY_WIDTH.get(size[0], "unknown %dx%d" % size)
                if kind in found:
                    kind = kind + " (again)"
                found[kind] = wid
        return found

    def wait_screen(self, program, *kinds, what=None, timeout=WAIT):
        """Waits until exactly these kinds of window of the program are visible."""
        expected = sorted(kinds)
        last = [None]

        def matches():
            shown = self.screen(program)
            if shown is None:
                return None
            last[0] = shown
            return (shown,) if sorted(shown) == expected else None

        try:
            return wait_until(matches, what or f"the screen to show {expected or 'no window'}",
                              timeout)[0]
        except Failure as failure:
            raise Failure(f"{failure}; visible: {sorted(last[0] or {})}") from None

    def popups(self, program):
        """Visible windows of the program that are neither windows nor
        message boxes: open menus."""
        result = self._run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid)],
                           check_status=False)
        others = []
        for wid in (int(line) for line in result.stdout.split()):
            name = self._run(["xdotool", "getwindowname", str(wid)], check_status=False)
            if name.returncode == 0 and name.stdout.strip() not in (TITLE, BOX_TITLE):
                others.append(wid)
        return others

    # -- acting as a person

    def focus(self, wid):
        self._run(["xdotool", "windowactivate", "--sync", str(wid)], check_status=False)
        self._run(["xdotool", "windowfocus", "--sync", str(wid)])

    def key(self, wid, *keys):
        """Focuses the window and types the keys (xdotool names: alt+n, Escape)."""
        self.focus(wid)
        self._run(["xdotool", "key", "--delay", "40", *keys])

    def click(self, wid, x, y):
        """Clicks at (x, y) of the window's client area, then parks the pointer."""
        self._run(["xdotool", "mousemove", "--window", str(wid), str(round(x * self.scale)),
                   str(round(y * self.scale)), "click", "1", "mousemove", "0", "0"])

    def park_pointer(self):
        self._run(["xdotool", "mousemove", "0", "0"])

    def menu(self, program, wid, menu_key, item_key):
        """Opens a menu of the window with its access key, then chooses an item."""
        self.key(wid, menu_key)
        wait_until(lambda: self.popups(program), f"the menu opened by {menu_key}")
        self._run(["xdotool", "key", item_key])
        wait_until(lambda: not self.popups(program), "the menu to close")

    def close_box(self, wid):
        """Asks the window manager to close the window, as its close box does."""
        self._run(["wmctrl", "-i", "-c", "0x%x" % wid])

    # -- pixels

    def grab(self, wid):
        """The window's client area as (width, height, rgb bytes)."""
        result = subprocess.run(["import", "-silent", "-window", str(wid), "-depth", "8", "ppm:-"],
                                env=self._env(), stdin=subprocess.DEVNULL,
                                capture_output=True, timeout=WAIT)
        if result.returncode != 0:
            return None
        match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", result.stdout)
        if not match:
            return None
        width, height = int(match.group(1)), int(match.group(2))
        return width, height, result.stdout[match.end():]

    def region(self, wid, x, y, w, h):
        """RGB bytes of a rectangle of the window's client area, or None."""
        image = self.grab(wid)
        if image is None:
            return None
        x, y, w, h = (round(value * self.scale) for value in (x, y, w, h))
        width, height, data = image
        if x + w > width or y + h > height:
            return None
        rows = [data[((y + row) * width + x) * 3:((y + row) * width + x + w) * 3]
                for row in range(h)]
        return b"".join(rows)

    def shoot(self, path, *wids, margin=0):
        """Writes a PNG of the screen around the windows' frames."""
        rects = [self.frame_rect(wid) for wid in wids]
        left = max(0, min(r[0] for r in rects) - margin)
        top = max(0, min(r[1] for r in rects) - margin)
        right = min(self.screen_size[0], max(r[0] + r[2] for r in rects) + margin)
        bottom = min(self.screen_size[1], max(r[1] + r[3] for r in rects) + margin)
        self._run(["import", "-silent", "-window", "root", "-crop",
                   f"{right - left}x{bottom - top}+{left}+{top}", "+repage", path])

    def frame_rect(self, wid):
        """Screen rectangle (x, y, w, h) of the window with its decoration."""
        tree = self._run(["xwininfo", "-tree", "-id", str(wid)]).stdout
        parent = re.search(r"Parent window id: (0x[0-9a-f]+)", tree)
        root = re.search(r"Root window id: (0x[0-9a-f]+)", tree)
        frame = wid
        if parent and root and parent.group(1) != root.group(1):
            frame = int(parent.group(1), 16)
        info = self._run(["xwininfo", "-id", str(frame)]).stdout
        numbers = [int(re.search(pattern, info, re.M).group(1)) for pattern in
                   (r"Absolute upper-left X:\s+(-?\d+)", r"Absolute upper-left Y:\s+(-?\d+)",
                    r"^\s*Width: (\d+)", r"^\s*Height: (\d+)")]
        return tuple(numbers)

    # -- what the program left behind

    def expect_addresses(self, expected, what):
        """Waits until the recorded addresses are exactly `expected`.

        Waits for the stub to be done first, so that an address opened twice
        is seen twice."""
        def settled():
            if processes_running(self.stub):
                return None
            return self.addresses() == expected
        try:
            wait_until(settled, what)
        except Failure:
            raise Failure(f"{what}: recorded {self.addresses()}, expected {expected}") from None
        for program in self.programs:  # nor do the opener's messages reach its output
            check(not any(a in program.output() for a in expected), f"{what}: {program.output()!r}")

    def read_settings(self):
        try:
            with open(self.settings_file, "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None


# --- running cases ------------------------------------------------------------

def run_case(cases, argv):
    """Runs the case named argv[1] from the module `cases` with a time bound."""
    if len(argv) != 2 or not hasattr(cases, "case_" + argv[1]):
        names = sorted(n[5:] for n in dir(cases) if n.startswith("case_"))
        print(f"usage: {argv[0]} CASE  (one of: {', '.join(names)})")
        return 2
    name = argv[1]

    def stop(why):
        def handler(signum, frame):
            raise Failure(f"case {name} {why}")
        return handler
    signal.signal(signal.SIGALRM, stop(f"exceeded {CASE_TIMEOUT} s"))
    signal.signal(signal.SIGTERM, stop("was terminated"))
    signal.alarm(CASE_TIMEOUT)
    started = time.monotonic()
    case = getattr(cases, "case_" + name)
    options = dict(getattr(case, "session_options", {}))
    kind = options.pop("kind", Session)
    missing = [tool for tool in kind.TOOLS if not shutil.which(tool)]
    if missing:
        print(f"SKIP {name}: {', '.join(missing)} not installed")
        return 77  # CTest's skip status for these cases
    try:
        with kind(name, **options) as session:
            case(session)
    except Failure as failure:
        print(f"FAIL {name}: {failure}")
        return 1
    except subprocess.TimeoutExpired as expired:
        # A tool that hangs (xdotool waiting on a window that never comes).
        command = " ".join(str(part) for part in expired.cmd)
        print(f"FAIL {name}: {command} did not answer within {expired.timeout:g} s")
        return 1
    finally:
        signal.alarm(0)
    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
    return 0


def days_ago(days):
    return datetime.date.today() - datetime.timedelta(days=days)
