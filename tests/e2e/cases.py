#!/usr/bin/env python3
"""End-to-end cases: the built ToevaneFree on a real X server.

Run one case:   TOEVANE_BINARY=build/src/ToevaneFree tests/e2e/cases.py road
CTest registers every function named case_* below as the test e2e_<name>.
"""

import fcntl
import os
import re
import stat
import subprocess
import sys
import time

import harness
import textfits
import wayland
from harness import BOX, check, wait_until

# Layout of the questionnaire window, read from src/questionnaire/frmmain.cpp:
# coordinates in its client area below the menu bar.
QUESTIONNAIRE_CLIENT_HEIGHT = 393
PAGE_TITLE = (10, 112, 464, 18)      # the page frame's caption
PAGE_OPTIONS = (20, 132, 440, 136)   # the answers' rows
FIRST_OPTION = (34, 144)             # middle of the first answer's button
OPTION_PITCH = 22
PAGE_COUNT = 8
TOE_SHAPE_PAGE = 5

# The exit screen (client area 741 x 315; src/exit_screen/frmnagscreen2.cpp).
EXIT_BUTTON = (441, 196)             # cmdClose "E&xit"


def uniform(pixels):
    return pixels is None or pixels == pixels[:3] * (len(pixels) // 3)


class Questionnaire:
    """The questionnaire window of one program, seen from outside."""

    def __init__(self, session, program, wid):
        self.s = session
        self.program = program
        self.wid = wid
        size = session.client_size(wid)
        check(size is not None, "the questionnaire window vanished")
        self.menu = size[1] - QUESTIONNAIRE_CLIENT_HEIGHT
        check(self.menu > 0, f"the questionnaire window has no menu bar (client {size})")

    def _area(self, rect):
        x, y, w, h = rect
        return self.s.region(self.wid, x, y + self.menu, w, h)

    def _settled(self, rect, what):
        """The area once it is drawn (not blank) and holds still."""
        previous = [None]

        def steady():
            now = self._area(rect)
            same = now is not None and not uniform(now) and now == previous[0]
            previous[0] = now
            return now if same else None
        return wait_until(steady, what)

    def title(self):
        return self._settled(PAGE_TITLE, "the page title to be drawn")

    def options(self):
        return self._settled(PAGE_OPTIONS, "the answers to be drawn")

    def expect_title(self, expected, what):
        wait_until(lambda: self._area(PAGE_TITLE) == expected, what)

    def expect_new_title(self, seen, what):
        """Waits for a page title not seen before, and returns it."""
        def new_title():
            now = self._area(PAGE_TITLE)
            return now is not None and not uniform(now) and now not in seen
        wait_until(new_title, what)
        title = self.title()
        check(title not in seen, f"{what}: the page title went back to an earlier one")
        return title

    def choose(self, answer):
        before = self.options()
        x, y = FIRST_OPTION
        self.s.click(self.wid, x, y + self.menu + answer * OPTION_PITCH)
        wait_until(lambda: self._area(PAGE_OPTIONS) not in (None, before),
                   f"answer {answer} to be shown selected")


def open_questionnaire(s, program):
    wid = s.wait_screen(program, "questionnaire", what="the questionnaire window")["questionnaire"]
    s.park_pointer()
    return Questionnaire(s, program, wid)


def answer_all_pages(s, program, q, answers=(0,) * PAGE_COUNT):
    """Answers every page (with its first answer unless answers says which);
    returns the results window."""
    seen = [q.title()]
    for page, answer in enumerate(answers):
        q.choose(answer)
        s.key(q.wid, "alt+a" if page == PAGE_COUNT - 1 else "alt+n")
        if page < PAGE_COUNT - 1:
            seen.append(q.expect_new_title(seen, f"page {page + 1} after Next on page {page}"))
    return s.wait_screen(program, "results", what="the results window")["results"]


def expect_ended(s, program, what):
    """The program ended normally, left no window and no process behind."""
    program.expect_exit(what)
    s.wait_screen(program, what=f"no window left after {what}")
    check(s.screen() == {}, f"windows left on screen after {what}: {s.screen()}")
    services = {service.pid for service in s._services}  # the X server, the window manager
    wait_until(lambda: not harness.processes_in_session(s.runtime, services),
               f"no process left after {what}")


def answer_box(s, program, wid, key, answer, what):
    """The key on the questionnaire opens a message box over it, which is
    answered and goes away."""
    s.key(wid, key)
    box = s.wait_screen(program, "questionnaire", BOX, what=what)[BOX]
    s.key(box, answer)
    s.wait_screen(program, "questionnaire", what=f"{what} to go away")


def to_exit_screen(s, program, wid):
    s.key(wid, "Escape")
    return s.wait_screen(program, "exit screen", what="the exit screen after Esc")["exit screen"]


def leave_through_exit_screen(s, program, wid, what):
    """Esc on the main window, then Alt+X on the exit screen: the program ends."""
    s.key(to_exit_screen(s, program, wid), "alt+x")
    expect_ended(s, program, what)


def loaded_plugins(program):
    """The image and icon plugins of Qt's that the program has loaded."""
    with open(f"/proc/{program.pid}/maps") as f:
        return sorted({line.split()[-1] for line in f
                       if "/plugins/imageformats/" in line or "/plugins/iconengines/" in line})


def expect_fixed_border(s, wid, what):
    """The window manager offers neither to resize nor to maximise the window."""
    actions = s._run(["xprop", "-id", str(wid), "_NET_WM_ALLOWED_ACTIONS"]).stdout
    check("_ACTION_CLOSE" in actions and not re.search(r"_ACTION_(RESIZE|MAXIMIZE)", actions),
          f"{what} has no fixed border: {actions.strip()}")


# --- cases --------------------------------------------------------------------

def case_road(s):
    """One reading from launch to the end of the program."""
    program = s.start_program()
    q = open_questionnaire(s, program)
    titles = [q.title()]
    fresh_answers = q.options()

    # Next on page 0 with nothing chosen is refused; page 0 stays in front.
    answer_box(s, program, q.wid, "alt+n", "Return", "'Please select an option' on page 0")
    q.expect_title(titles[0], "page 0 to stay in front after the refused Next")

    for page in range(PAGE_COUNT):
        if page == TOE_SHAPE_PAGE:
            # Toe Shape may be skipped: the question is answered No (only a
            # Yes/No box has a No).
            answer_box(s, program, q.wid, "alt+n", "n", "'Do you want to select this option ?'")
        else:
            q.choose(page % 3)
            s.key(q.wid, "alt+a" if page == PAGE_COUNT - 1 else "alt+n")
        if page < PAGE_COUNT - 1:
            titles.append(q.expect_new_title(titles, f"page {page + 1} after Next on page {page}"))

    results = s.wait_screen(program, "results",
                            what="the results window alone after Analyze My Toes")["results"]

    # Back leads to a fresh questionnaire: page 0, nothing chosen.
    s.key(results, "alt+b")
    again = open_questionnaire(s, program)
    check(again.wid != q.wid, "Back reused the old questionnaire window")
    again.expect_title(titles[0], "the new questionnaire to show page 0")
    check(again.options() == fresh_answers, "the new questionnaire has an answer chosen")

    # Exit leads to the exit screen; its Exit button ends the program.
    s.key(again.wid, "alt+e")
    exit_screen = s.wait_screen(program, "exit screen",
                                what="the exit screen alone after Exit")["exit screen"]
    check(program.alive(), "the program ended when the questionnaire was closed")
    s.click(exit_screen, *EXIT_BUTTON)
    expect_ended(s, program, "the exit screen's Exit button")
    s.expect_addresses([], "no address opened on the road")


def case_close_boxes(s):
    """The window manager's close box on either main window brings the exit
    screen, whose close box ends the process; no image plugin gets loaded.
    None of these windows can be resized or maximised."""
    for results in (False, True):
        program = s.start_program()
        q = open_questionnaire(s, program)
        window = answer_all_pages(s, program, q) if results else q.wid
        expect_fixed_border(s, window, "the results window" if results else "the questionnaire")
        s.close_box(window)
        exit_screen = s.wait_screen(
            program, "exit screen", what="the exit screen alone after the close box")["exit screen"]
        expect_fixed_border(s, exit_screen, "the exit screen")
        check(program.alive(), "the program ended after a main window's close box")
        check(not loaded_plugins(program), f"image plugins loaded: {loaded_plugins(program)}")
        s.close_box(exit_screen)
        expect_ended(s, program, "the exit screen's close box")


def case_second_instance(s):
    """A second launch, with another runtime, temporary and home folder,
    says "Application is already running" and ends."""
    first = s.start_program()
    q = open_questionnaire(s, first)
    position = s.frame_rect(q.wid)
    settings = s.read_settings()

    # Started from elsewhere (su, ssh, cron): one user is one guard all the same.
    elsewhere = os.path.join(s.root, "elsewhere")
    os.makedirs(elsewhere, mode=0o700)
    second = s.start_program(env={"XDG_RUNTIME_DIR": elsewhere, "TMPDIR": elsewhere,
                                  "HOME": elsewhere})
    box = s.wait_screen(second, BOX, what="the second copy's message box")[BOX]
    check(first.alive(), "the first copy ended when the second started")
    check(s.screen(first) == {"questionnaire": q.wid},
          f"the first copy's windows changed: {s.screen(first)}")
    s.key(box, "Return")
    second.expect_exit("the second copy after OK")
    s.wait_screen(second, what="the second copy's box to go away")

    # The first copy runs on, untouched: same window, same place, same setting.
    check(first.alive(), "the first copy ended")
    check(s.screen(first) == {"questionnaire": q.wid},
          f"the first copy's windows changed: {s.screen(first)}")
    check(s.frame_rect(q.wid) == position, "the first copy's window moved")
    check(s.read_settings() == settings, "the second copy changed the stored setting")
    s.expect_addresses([], "no address opened by the second copy")
    # ... and still answers.
    leave_through_exit_screen(s, first, q.wid, "Alt+X on the first copy's exit screen")


def case_enter_after_skipping_toe_shape(s):
    """After "No" to the Toe Shape question, Enter presses Next on the page
    that opened, never Exit: the answers are not lost."""
    program = s.start_program()
    q = open_questionnaire(s, program)
    seen = [q.title()]
    for page in range(TOE_SHAPE_PAGE):
        q.choose(0)
        s.key(q.wid, "alt+n")
        seen.append(q.expect_new_title(seen, f"page {page + 1} after Next on page {page}"))
    # Toe Shape left empty, and the question answered No.
    answer_box(s, program, q.wid, "alt+n", "n", "the Toe Shape question")
    q.expect_new_title(seen, "the page after Toe Shape once No is chosen")
    answer_box(s, program, q.wid, "Return", "Return",
               "Enter to press Next ('Please select an option')")
    leave_through_exit_screen(s, program, q.wid, "Alt+X on the exit screen")


def case_about_keeps_out_of_the_task_bar(s):
    """Help > About opens a modal window that the task bar does not list."""
    program = s.start_program()
    q = open_questionnaire(s, program)
    s.menu(program, q.wid, "alt+h", "a")
    about = s.wait_screen(program, "questionnaire", "about", what="the About window")["about"]
    states = s._run(["xprop", "-id", str(about), "_NET_WM_STATE"]).stdout
    check("_NET_WM_STATE_SKIP_TASKBAR" in states, f"the About window is in the task bar: {states}")
    check("_NET_WM_STATE_MODAL" in states, f"the About window is not modal: {states}")
    s.key(about, "Return")
    s.wait_screen(program, "questionnaire", what="the About window to close")
    leave_through_exit_screen(s, program, q.wid, "Alt+X on the exit screen")


def stacking(s):
    """The top-level windows from bottom to top, as the window manager stacks them."""
    text = s._run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"]).stdout
    return [int(word, 16) for word in re.findall(r"0x[0-9a-f]+", text)]


def case_second_instance_over_the_exit_screen(s):
    """A second copy's "Application is already running" opens above the
    first copy's exit screen, which stays on top of everything else."""
    first = s.start_program()
    q = open_questionnaire(s, first)
    exit_screen = to_exit_screen(s, first, q.wid)

    second = s.start_program()
    box = s.wait_screen(second, BOX, what="the second copy's message box")[BOX]

    def box_above():
        order = stacking(s)
        return box in order and exit_screen in order and order.index(box) > order.index(exit_screen)
    wait_until(box_above, "the box above the exit screen")
    # A click raises the exit screen over the box, which comes back on top.
    s.click(exit_screen, 320, 190)
    wait_until(lambda: s._run(["xdotool", "getactivewindow"]).stdout.strip() == str(exit_screen),
               "the exit screen active after a click on it")
    wait_until(box_above, "the box above the exit screen after a click on the exit screen")
    s.key(box, "Return")
    second.expect_exit("the second copy after OK")
    s.key(exit_screen, "alt+x")
    expect_ended(s, first, "Alt+X on the first copy's exit screen")


def case_links(s):
    """Online Help reaches the desktop's browser with its address, once; which
    control opens which address is the link test's part."""
    program = s.start_program()
    q = open_questionnaire(s, program)
    s.menu(program, q.wid, "alt+h", "o")
    s.expect_addresses([harness.HELP_PAGE], "Help > Online Help")
    check(s.screen(program) == {"questionnaire": q.wid}, "a link changed the windows")
    leave_through_exit_screen(s, program, q.wid, "Alt+X on the exit screen")


# --- the stored reminder date --------------------------------------------------
# Written and read through a small tool built from the program's own settings
# store (tests/e2e/settingstool.cpp), in the session's XDG_CONFIG_HOME.

def settings_tool(s, *args):
    done = subprocess.run([os.environ["TOEVANE_SETTINGS_TOOL"], *args], env=s._env(),
                          capture_output=True, text=True, timeout=30)
    check(done.returncode == 0, f"toevane-settings {' '.join(args)}: {done.stderr.strip()}")
    return done.stdout.strip()


def expect_stored_today(s, started_on, what):
    """The stored date is the program's today: the day it started, or the
    next if midnight passed. Returns it."""
    stored = settings_tool(s, "read")
    check(stored in (started_on, harness.days_ago(0).isoformat()),
          f"{what}: stored date {stored!r}, expected the day of the start {started_on} or the next")
    return stored


def case_update_reminder(s):
    """A stored date 15 days old: the question comes first; Yes opens the
    download page, stores today and then shows the questionnaire."""
    settings_tool(s, "write", harness.days_ago(15).isoformat())
    started_on = harness.days_ago(0).isoformat()
    program = s.start_program()
    box = s.wait_screen(program, BOX, what="the update question before any window")[BOX]
    s.key(box, "y")        # only a Yes/No box has a Yes
    q = open_questionnaire(s, program)
    s.expect_addresses([harness.DOWNLOAD_PAGE], "Yes to the update question")
    today = expect_stored_today(s, started_on, "Yes to the update question")
    raw = s.read_settings().decode()
    check("Duration" not in raw and today not in raw,
          f"the setting stands in plain text: {raw!r}")
    leave_through_exit_screen(s, program, q.wid, "Alt+X on the exit screen")


# --- what a start finds at its lock and settings paths -------------------------
# Whatever stands there, a start shows the questionnaire within 5 seconds and
# leaves everything but its own regular files as it was.

START_LIMIT = 5.0


def start_despite(s, what):
    """Starts a copy, which must show its questionnaire in time; ends it."""
    program = s.start_program()
    wid = s.wait_screen(program, "questionnaire", what=f"the questionnaire despite {what}",
                        timeout=START_LIMIT)["questionnaire"]
    leave_through_exit_screen(s, program, wid, f"Alt+X on the exit screen ({what})")


def file_kind(path):
    """What stands at the path, links not followed, with what makes it that."""
    try:
        status = os.lstat(path)
    except FileNotFoundError:
        return None
    if stat.S_ISLNK(status.st_mode):
        return ("link", os.readlink(path))
    if stat.S_ISREG(status.st_mode):
        with open(path, "rb") as f:
            return ("file", f.read())
    return (stat.S_IFMT(status.st_mode), status.st_rdev)


def device_like_node(s):
    """A character device like /dev/null in the session's folder (as root),
    else a FIFO: a node that a settings write must never replace."""
    node = os.path.join(s.root, "nodes", "null")
    os.makedirs(os.path.dirname(node), exist_ok=True)
    try:
        os.mknod(node, stat.S_IFCHR | 0o666, os.makedev(1, 3))
    except PermissionError:
        os.mkfifo(node)
    return node


def case_odd_lock_paths(s):
    """A folder, a FIFO, a dangling link or a lock held by an earlier version
    where earlier versions kept their lock never holds up the start, and
    stays as it was."""
    old_fallback = os.path.join(s.root, f"ToevaneFree-{os.getuid()}")
    os.mkdir(old_fallback, 0o700)
    for lock in (os.path.join(s.runtime, "ToevaneFree.lock"),
                 os.path.join(old_fallback, "ToevaneFree.lock")):
        for what, make in (("a folder", os.mkdir), ("a FIFO", os.mkfifo),
                           ("a dangling link", lambda path: os.symlink(path + ".gone", path))):
            make(lock)
            before = file_kind(lock)
            start_despite(s, what)
            check(file_kind(lock) == before, f"the start changed {what}: {file_kind(lock)}")
            (os.rmdir if what == "a folder" else os.unlink)(lock)
        with open(lock, "w") as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            start_despite(s, f"an earlier version's held lock at {lock}")


def case_odd_settings_paths(s):
    """A FIFO at the settings path, or a link to a device node, never hangs
    the start and is never replaced; a link to a regular file is followed."""
    os.makedirs(os.path.dirname(s.settings_file))
    node = device_like_node(s)
    dotfile = os.path.join(s.root, "dotfiles", "ToevaneFree.conf")
    os.makedirs(os.path.dirname(dotfile))
    open(dotfile, "w").close()
    states = [("a FIFO", lambda: os.mkfifo(s.settings_file)),
              ("a link to a device node", lambda: os.symlink(node, s.settings_file))]
    for what, make in states:
        make()
        before = (file_kind(s.settings_file), file_kind(node))
        start_despite(s, what)
        after = (file_kind(s.settings_file), file_kind(node))
        check(after == before, f"the start changed {what}: {before} -> {after}")
        check(sorted(os.listdir(os.path.dirname(s.settings_file))) == ["ToevaneFree.conf"],
              f"the start wrote beside {what}: {os.listdir(os.path.dirname(s.settings_file))}")
        os.unlink(s.settings_file)

    # Kept in a dotfiles folder: the date goes into the file the link names.
    os.symlink(dotfile, s.settings_file)
    started_on = harness.days_ago(0).isoformat()
    start_despite(s, "a link to a regular file")
    check(os.readlink(s.settings_file) == dotfile, "the link was replaced")
    expect_stored_today(s, started_on, "through the link")


# --- high resolution -------------------------------------------------------------
# An X server at 192 dpi with Xft.dpi set as a desktop sets it: Qt scales
# every window by 2 (with its default rounding policy, which passes
# fractional factors through).


def icon_sizes(s, wid):
    """The sizes of the window's icon for the window manager (_NET_WM_ICON)."""
    text = s._run(["xprop", "-id", str(wid), "_NET_WM_ICON"]).stdout
    return sorted({int(w) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", text) if w == h})


def expect_scaled(s, wid, kind, width, height=None):
    """The window is drawn at twice its size, with an icon for a title bar at
    that density (16 pixels twice) and for a task switcher (32 twice)."""
    device = s.device_size(wid)
    check(device[0] == 2 * width and (height is None or device[1] == 2 * height),
          f"the {kind} is {device[0]}x{device[1]} pixels at 192 dpi, expected twice "
          f"{width}x{height or '...'}")
    sizes = icon_sizes(s, wid)
    check(32 in sizes and 64 in sizes,
          f"the {kind}'s icon comes in {sizes} pixels, without 32 and 64 for 192 dpi")


@harness.session(dpi=192, screen=(2560, 1600))
def case_high_dpi(s):
    """At 192 dpi every window keeps its layout at twice the size: one
    reading from launch to the end of the program. At 144 dpi the factor 1.5
    is not rounded (Qt's default policy)."""
    s.set_xft_dpi(144)
    program = s.start_program()
    q = open_questionnaire(s, program)
    width = s.device_size(q.wid)[0]
    check(width == 726, f"the questionnaire is {width} pixels wide at 144 dpi, expected 1.5 x 484")
    leave_through_exit_screen(s, program, q.wid, "Alt+X on the exit screen at 144 dpi")

    s.set_xft_dpi(192)
    program = s.start_program()
    q = open_questionnaire(s, program)
    expect_scaled(s, q.wid, "questionnaire", 484)
    results = answer_all_pages(s, program, q)
    expect_scaled(s, results, "results window", 585)
    s.menu(program, results, "alt+h", "a")
    about = s.wait_screen(program, "results", "about", what="the About window")["about"]
    expect_scaled(s, about, "About window", 423, 264)
    s.key(about, "Return")
    s.wait_screen(program, "results", what="the About window to close")
    exit_screen = to_exit_screen(s, program, results)
    expect_scaled(s, exit_screen, "exit screen", 741, 315)
    s.click(exit_screen, *EXIT_BUTTON)
    expect_ended(s, program, "the exit screen's Exit button at 192 dpi")


@harness.session(dpi=192, screen=(2560, 1600))
def case_text_fits_on_a_scaled_x_server(s):
    """The text-fit checks on this X server with Xft.dpi at 120, 144 and
    192: every text fits at 1.25, 1.5 and 2 times the size."""
    commands = textfits.fit_commands(os.environ["TOEVANE_TST_TEXTFITS"],
                                     os.environ["TOEVANE_TST_ABOUT"],
                                     os.environ["TOEVANE_TST_FRMNAGSCREEN2"])
    session = s._env()
    env = {name: session[name] for name in ("DISPLAY", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS")}
    env["QT_QPA_PLATFORM"] = "xcb"
    for dpi in (120, 144, 192):
        s.set_xft_dpi(dpi)
        failed = textfits.check_text_fits(commands, "dejavu", expected_scale=dpi / 96,
                                          extra_env=env)
        check(not failed, f"text that does not fit at Xft.dpi {dpi}: {', '.join(failed)}")


# --- Wayland ------------------------------------------------------------------------
# A real compositor (weston, headless); the program is driven through its
# accessible controls, as a screen reader drives it (tests/e2e/wayland.py).

def wayland_reading(s, program):
    """Answers every page, checks that the reading shows the answers, leaves
    the results window with Exit; returns the exit screen's objects."""
    window = s.wait_window(program, ("push button", "Next"), "the questionnaire")
    chosen = []
    for page in range(PAGE_COUNT):
        options = [o for o in window if o["role"] == "radio button" and o.showing()]
        check(options, f"page {page} shows no answer")
        option = options[page % len(options)]
        s.act(option, "Toggle")
        wait_until(lambda: any(o["path"] == option["path"] and o.checked()
                               for o in s.accessible(program)),
                   f"answer '{option['name']}' to be chosen on page {page}")
        chosen.append(option["name"].strip())
        forward = [o for o in window if o["role"] == "push button" and o.showing()
                   and o["parent"] == option["parent"] and o["name"] != "Back"]
        check(len(forward) == 1, f"page {page} has no one Next button: {forward}")
        s.act(forward[0], "Press")
        if page < PAGE_COUNT - 1:
            def next_page():
                objects = s.accessible(program)
                shown = [o for o in objects if o["role"] == "radio button" and o.showing()]
                return objects if shown and shown[0]["parent"] != option["parent"] else None
            window = wait_until(next_page, f"page {page + 1} after Next on page {page}")

    results = s.wait_window(program, ("panel", "Toevane Interpretation"), "the reading")
    shown = {o["name"].strip() for o in results if o["role"] == "label" and o.showing()}
    missing = [answer for answer in chosen if answer not in shown]
    check(not missing, f"the reading does not show the answers {missing}")
    exit_button = [o for o in results if o["role"] == "push button" and o["name"] == "Exit"]
    check(exit_button, "the results window has no Exit button")
    s.act(exit_button[0], "Press")
    return s.wait_window(program, ("panel", "Refer A Friend"), "the exit screen")


def end_on_the_exit_screen(s, program, exit_screen):
    exit_button = [o for o in exit_screen if o["role"] == "push button" and o["name"] == "Exit"]
    check(exit_button, "the exit screen has no Exit button")
    s.act(exit_button[0], "Press")
    program.expect_exit("the program to end after the exit screen's Exit")


@harness.session(kind=wayland.WaylandSession, xwayland=True)
def case_wayland_session_with_xwayland(s):
    """In a Wayland session with XWayland the program runs on the X server,
    where the exit screen can stay on top; the browser it starts is not told
    to do the same."""
    program = s.start_program()
    exit_screen = wayland_reading(s, program)
    check(s.platform_plugin(program) == "xcb",
          f"the program runs on Qt's {s.platform_plugin(program)} plugin, not on XWayland")
    check_box = [o for o in exit_screen if o["name"].startswith("Click To Visit")]
    check(check_box, "the exit screen has no forum check box")
    s.act(check_box[0], "Toggle")
    wait_until(lambda: s.addresses() == [harness.HOME_PAGE] and s.opener_environment(),
               "the forum check box to open the home page")
    check(s.opener_environment() == ["QT_QPA_PLATFORM=(unset)"],
          f"the browser was started with {s.opener_environment()}")
    end_on_the_exit_screen(s, program, exit_screen)


@harness.session(kind=wayland.WaylandSession)
def case_wayland_session_without_x(s):
    """In a Wayland session without an X server the program runs natively:
    the questionnaire, a reading and the exit screen, which ends it."""
    program = s.start_program()
    exit_screen = wayland_reading(s, program)
    check(s.platform_plugin(program) == "wayland-generic",
          f"the program runs on Qt's {s.platform_plugin(program)} plugin, not on Wayland")
    end_on_the_exit_screen(s, program, exit_screen)


if __name__ == "__main__":
    sys.exit(harness.run_case(sys.modules[__name__], sys.argv))
