#!/usr/bin/env python3
"""The Windows installer under Wine, end to end:
    tests/e2e/windows.py INSTALLER SETTINGS_TOOL_EXE
Installs silently into a fresh Wine prefix on a private X display, uses the
installed program as a person would, uninstalls. Skips (77) without Wine."""

import os
import re
import shutil
import subprocess
import sys

import harness
from cases import (answer_all_pages, expect_fixed_border, open_questionnaire, stacking,
                   to_exit_screen)
from harness import BOX, Session, check, wait_until

INSTALL_DIR = "users/{user}/AppData/Local/Programs/Toevane Free"
SHORTCUT = "users/{user}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Toevane Free.lnk"
# The program, exactly the DLLs it loads, and the uninstaller.
SHIPPED = ["Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll", "ToevaneFree.exe", "Uninstall.exe",
           "libgcc_s_seh-1.dll", "libstdc++-6.dll", "libwinpthread-1.dll", "platforms", "qwindows.dll"]
SETTINGS_KEY = r"HKCU\Software\ToevaneFree\ToevaneFree\Settings"
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ToevaneFree"
# Middles of the exit screen's refer-a-friend fields in its client area
# (src/exit_screen/frmnagscreen2.cpp): your name, your address, the friend's
# name, the friend's address.
REFERRAL_FIELDS = ((126, 249), (360, 249), (126, 273), (360, 273))


class WineSession(Session):
    """A Session whose programs are Windows programs run by Wine, in a Wine
    prefix of the session's own."""
    TOOLS = Session.TOOLS + ("wine", "wineboot", "wineserver", "wrestool")

    def __init__(self, name):
        super().__init__(name, binary="/bin/true")
        self.prefix = os.path.join(self.root, "wine")
        self.drive_c = os.path.join(self.prefix, "drive_c")

    def _session_env(self):
        env = super()._session_env()
        env.update({"WINEPREFIX": self.prefix, "WINEDEBUG": "-all",
                    # No Mono or Gecko installer dialogs in a fresh prefix.
                    "WINEDLLOVERRIDES": "mscoree,mshtml=",
                    "USER": os.environ.get("USER", "root")})
        # Where the settings tool, built beside the tests, finds Qt.
        if "WINEPATH" in os.environ:
            env["WINEPATH"] = os.environ["WINEPATH"]
        return env

    def _start_services(self):
        super()._start_services()
        self.wine(["wineboot", "-i"], timeout=240)

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self._env(), capture_output=True, timeout=60)
        super().close()

    def wine(self, argv, timeout=120, check_status=True):
        return self._run(argv, check_status, timeout)

    def path(self, template):
        user = self._env()["USER"]
        return os.path.join(self.drive_c, template.format(user=user))

    def registry(self, key):
        result = self.wine(["wine", "reg", "query", key, "/s"], check_status=False)
        return result.stdout if result.returncode == 0 else None

    def start_windows_program(self, exe):
        return self._launch("wine", {}, [exe])

    def installed(self):
        """The installed files (inode change times), uninstall entry, shortcut and setting."""
        files = [(d, n, os.stat(f"{d}/{n}").st_ctime_ns)
                 for d, _, names in os.walk(self.path(INSTALL_DIR)) for n in names]
        return files, self.registry(UNINSTALL_KEY), os.path.exists(self.path(SHORTCUT)), \
            self.registry(SETTINGS_KEY)

    def uninstall(self):
        """The uninstaller's exit status. Uninstall.exe /S returns 0 at once, its copy in
        %TEMP% uninstalls; NSIS's way to wait for the end: a copy run with _?=<folder>."""
        shutil.copy(os.path.join(self.path(INSTALL_DIR), "Uninstall.exe"), self.drive_c)
        folder = "C:\\" + INSTALL_DIR.format(user=self._env()["USER"]).replace("/", "\\")
        return self.wine(["wine", "cmd", "/c", f"C:\\Uninstall.exe /S _?={folder}"],
                         check_status=False).returncode


def installed_reading(s, installer, settings_tool):
    s.wine(["wine", installer, "/S"], timeout=180)
    exe = os.path.join(s.path(INSTALL_DIR), "ToevaneFree.exe")
    check(os.path.isfile(exe), f"the installer put no ToevaneFree.exe in {s.path(INSTALL_DIR)}")
    check(os.path.isfile(s.path(SHORTCUT)), "the installer made no Start-menu shortcut")
    shipped = sorted(os.listdir(s.path(INSTALL_DIR))) + os.listdir(s.path(INSTALL_DIR + "/platforms"))
    check(shipped == SHIPPED, f"installed: {shipped}, expected the program and its DLLs: {SHIPPED}")
    entry = s.registry(UNINSTALL_KEY) or ""
    check(entry, "no uninstaller registered in Apps & features")
    kb = sum((os.path.getsize(f"{folder}/{name}") + 1023) // 1024  # as NSIS counts
             for folder, _, names in os.walk(s.path(INSTALL_DIR)) for name in names
             if name != "Uninstall.exe")
    check(re.search(rf"EstimatedSize\s+REG_DWORD\s+{kb:#x}\b", entry), f"not {kb} KB:\n{entry}")
    manifest = s._run(["wrestool", "-x", "--raw", "--type=24", exe]).stdout
    for declared in ('"asInvoker"', ">true/pm<", ">PerMonitorV2, PerMonitor<", "longPathAware",
                     "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"):  # Windows 10 and 11
        check(declared in manifest, f"the program's manifest lacks {declared}:\n{manifest}")

    # First start: no question, today is stored in the user's registry.
    program = s.start_windows_program(exe)
    q = open_questionnaire(s, program)
    stored = s.wine(["wine", settings_tool, "read"]).stdout.strip()
    check(stored, "the first start stored no reminder date")
    entries = s.registry(SETTINGS_KEY) or ""
    check(len(re.findall(r"REG_SZ", entries)) == 1,
          f"expected one value under {SETTINGS_KEY}, found:\n{entries}")

    # While it runs, installing again and uninstalling fail and change nothing.
    expect_fixed_border(s, q.wid, "the questionnaire")
    before = s.installed()
    check(s.wine(["wine", installer, "/S"], timeout=180, check_status=False).returncode != 0,
          "installing over the running program reported success")
    check(s.uninstall() != 0, "uninstalling the running program reported success")
    check(s.installed() == before, f"changed while the program ran: {before} -> {s.installed()}")
    check(program.alive(), "the program ended when it was installed over or uninstalled")

    # A second copy is refused and ends after OK; the first runs on.
    second = s.start_windows_program(exe)
    box = s.wait_screen(second, BOX, what="the second copy's message box")[BOX]
    s.key(box, "Return")
    second.expect_exit("the second copy after OK")
    check(program.alive(), "the first copy ended when the second started")

    # One reading, Back, then the exit screen on Esc, kept on top.
    results = answer_all_pages(s, program, q)
    expect_fixed_border(s, results, "the results window")
    s.key(results, "alt+b")
    q = open_questionnaire(s, program)
    exit_screen = to_exit_screen(s, program, q.wid)
    expect_fixed_border(s, exit_screen, "the exit screen")
    states = s._run(["xprop", "-id", str(exit_screen), "_NET_WM_STATE"]).stdout
    check("_NET_WM_STATE_ABOVE" in states, f"the exit screen is not kept on top: {states}")
    check(exit_screen in stacking(s), "the exit screen is not stacked")

    # The refer-a-friend request reaches the browser.
    for (x, y), text in zip(REFERRAL_FIELDS, ("Ann", "ann@example.org", "Bob", "bob@example.org")):
        s.click(exit_screen, x, y)
        s._run(["xdotool", "type", "--delay", "20", text])
    s.key(exit_screen, "alt+n")     # Refer A Friend &Now
    wait_until(lambda: any("bob%40example.org" in a or "bob@example.org" in a
                           for a in s.addresses()),
               f"the referral request to reach the browser (recorded: {s.addresses()})")
    s.key(exit_screen, "alt+x")
    program.expect_exit("Alt+X on the exit screen")

    check(s.uninstall() == 0, "uninstalling failed after the program had ended")
    check(not os.path.exists(s.path(INSTALL_DIR)), "the uninstaller left the program's folder")
    check(not os.path.exists(s.path(SHORTCUT)), "the uninstaller left the Start-menu shortcut")
    check(s.registry(UNINSTALL_KEY) is None, "the uninstaller left its Apps & features entry")


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    installer, settings_tool = (os.path.abspath(path) for path in argv[1:])

    class Cases:
        @staticmethod
        @harness.session(kind=WineSession)
        def case_installed_reading(s):
            installed_reading(s, installer, settings_tool)
    return harness.run_case(Cases, [argv[0], "installed_reading"])


if __name__ == "__main__":
    sys.exit(main(sys.argv))
