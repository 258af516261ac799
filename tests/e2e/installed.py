#!/usr/bin/env python3
"""Packaging checks on a build directory.

  installed.py BUILD_DIR install   cmake --install into a temporary prefix,
                                   check the files, start the installed
                                   program on its own X display and leave it
  installed.py BUILD_DIR deb       build the .deb with CPack and check its
                                   computed dependencies and its contents
"""

import glob
import os
import subprocess
import sys
import tempfile

import harness
from harness import check

APP_ID = os.environ.get("TOEVANE_APP_ID", "org.starwell.ToevaneFree")
FILES = [
    "bin/ToevaneFree",
    f"share/applications/{APP_ID}.desktop",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
]


def run(*argv):
    result = subprocess.run(argv, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                            timeout=240)
    if result.returncode != 0:
        raise harness.Failure(f"{' '.join(argv)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def desktop_entry(path):
    entry = {}
    with open(path) as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                entry.setdefault(key, value)
    return entry


def check_install(build):
    with tempfile.TemporaryDirectory(prefix="toevane-install-") as prefix:
        run("cmake", "--install", build, "--prefix", prefix)
        for name in FILES:
            check(os.path.isfile(os.path.join(prefix, name)), f"{name} was not installed")
        entry = desktop_entry(os.path.join(prefix, FILES[1]))
        check(entry.get("Icon") == APP_ID, f"Icon={entry.get('Icon')}, expected {APP_ID}")
        check(os.path.isfile(os.path.join(prefix, "bin", entry.get("Exec", "").split()[0])),
              f"Exec={entry.get('Exec')} is not the installed binary")

        with harness.Session("installed", os.path.join(prefix, "bin", "ToevaneFree")) as s:
            program = s.start_program()
            wid = s.wait_screen(program, "questionnaire",
                                what="the installed program's questionnaire")["questionnaire"]
            # On X11 docks match a window to its desktop entry by WM_CLASS.
            wm_class = s._run(["xprop", "-id", str(wid), "WM_CLASS"]).stdout
            check(wm_class.rstrip().endswith(f'"{entry.get("StartupWMClass")}"'),
                  f"the window's {wm_class.strip()} does not match the desktop entry's "
                  f"StartupWMClass={entry.get('StartupWMClass')}")
            s.key(wid, "Escape")
            exit_screen = s.wait_screen(program, "exit screen")["exit screen"]
            s.key(exit_screen, "alt+x")
            program.expect_exit("Alt+X on the installed program's exit screen")


def check_deb(build):
    with tempfile.TemporaryDirectory(prefix="toevane-deb-") as out:
        run("cpack", "--config", os.path.join(build, "CPackConfig.cmake"), "-G", "DEB", "-B", out)
        debs = glob.glob(os.path.join(out, "*.deb"))
        check(len(debs) == 1, f"expected one .deb, found {debs}")
        depends = run("dpkg-deb", "-f", debs[0], "Depends")
        for library in ("libc6", "libqt6widgets6", "libqt6gui6", "libqt6core6",
                        "fonts-dejavu-core"):
            check(library in depends, f"the .deb does not depend on {library}: {depends.strip()}")
        contents = run("dpkg-deb", "-c", debs[0])
        for name in FILES:
            check(f"./usr/{name}\n" in contents, f"the .deb lacks /usr/{name}")
        print(f"{os.path.basename(debs[0])}: Depends: {depends.strip()}")


def main(argv):
    if len(argv) != 3 or argv[2] not in ("install", "deb"):
        print(__doc__)
        return 2
    try:
        (check_install if argv[2] == "install" else check_deb)(os.path.abspath(argv[1]))
    except harness.Failure as failure:
        print(f"FAIL {argv[2]}: {failure}")
        return 1
    print(f"PASS {argv[2]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
