#!/usr/bin/env python3
"""Packaging checks on a build directory.

  installed.py BUILD_DIR install   cmake --install into a temporary prefix,
                                   check the files, start the installed
                                   program on its own X display and leave it
  installed.py BUILD_DIR deb       build the .deb with CPack and check its
                                   computed dependencies, its contents and,
                                   where lintian is installed, its verdict
  installed.py BUILD_DIR source    build the source package and check that
                                   it holds the source tree alone
Exits with 77 (skipped) where a tool a check needs is missing.
"""

import glob
import os
import shutil
import subprocess
import sys
import tarfile
import tempfile

import harness
from harness import check

APP_ID = os.environ.get("TOEVANE_APP_ID", "org.starwell.ToevaneFree")
FILES = [
    "bin/ToevaneFree",
    f"share/applications/{APP_ID}.desktop",
    f"share/metainfo/{APP_ID}.metainfo.xml",
    f"share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    *(f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in (16, 22, 24, 32, 48, 64, 128, 256)),
    "share/doc/toevane-free/copyright",
    "share/doc/toevane-free/changelog.Debian.gz",
    "share/man/man6/ToevaneFree.6.gz",
]


class Skip(Exception):
    pass


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
        # Section games: the program lives in /usr/games, as Debian's games do.
        check(run("dpkg-deb", "-f", debs[0], "Section").strip() == "games",
              "the .deb's section is not games")
        for name in [n.replace("bin/", "games/") for n in FILES]:
            check(f"./usr/{name}\n" in contents, f"the .deb lacks /usr/{name}")
        print(f"{os.path.basename(debs[0])}: Depends: {depends.strip()}")
        lintian = shutil.which("lintian")
        if not lintian:
            raise Skip("lintian not found (package lintian); the .deb was not checked by it")
        # Errors and warnings fail; the build's hardening is checked where it
        # was asked for (TOEVANE_DEBIAN_HARDENING), info tags only then.
        hardened = os.environ.get("TOEVANE_DEBIAN_HARDENING", "OFF").upper() in ("ON", "1", "TRUE", "YES")
        argv = [lintian, "--tag-display-limit", "0", "--display-info" if hardened else "--quiet"]
        result = subprocess.run(argv + [debs[0]], stdin=subprocess.DEVNULL, capture_output=True,
                                text=True, timeout=240)
        tags = [line for line in result.stdout.splitlines()
                if line[:2] in ("E:", "W:") or (hardened and line.startswith("I:")
                                                and "hardening-" in line)]
        check(not tags, "lintian complains:\n" + "\n".join(tags))
        check(result.returncode == 0 or not result.stderr.strip(),
              f"lintian failed: {result.stderr.strip()}")
        if hardened:
            tool = shutil.which("hardening-check")
            if tool:
                with tempfile.TemporaryDirectory(prefix="toevane-deb-x-") as root:
                    run("dpkg-deb", "-x", debs[0], root)
                    run(tool, os.path.join(root, "usr/games/ToevaneFree"))
            else:
                print("hardening-check not found (package devscripts); lintian's check alone")


def check_source(build):
    version = os.environ.get("TOEVANE_VERSION", "")
    top = f"toevane-free-{version}/"
    with tempfile.TemporaryDirectory(prefix="toevane-src-") as out:
        run("cpack", "--config", os.path.join(build, "CPackSourceConfig.cmake"), "-B", out)
        packages = glob.glob(os.path.join(out, "*.tar.xz"))
        check([os.path.basename(p) for p in packages] == [f"toevane-free-{version}.tar.xz"],
              f"expected toevane-free-{version}.tar.xz, found {os.listdir(out)}")
        with tarfile.open(packages[0]) as tar:
            members = tar.getmembers()
        names = [m.name for m in members]
        dirs = {m.name for m in members if m.isdir()}
        outside = [n for n in names if not (n + "/").startswith(top)]
        check(not outside, f"outside {top}: {outside[:5]}")
        for name in ("CMakeLists.txt", "LICENSE", "CHANGELOG.md", "src/main.cpp"):
            check(top + name in names, f"the source package lacks {name}")
        # Neither build folders nor Git data nor caches; the build folder of
        # this very run lies in the tree when it is the usual build/.
        def stray(name):
            parts = name[len(top):].split("/")
            return ((parts[0].startswith("build") and (len(parts) > 1 or name in dirs))
                    or any(part in (".git", "__pycache__", ".cache") for part in parts))
        strays = [n for n in names if stray(n)]
        check(not strays, f"the source package holds {len(strays)} stray files: {strays[:5]}")
        print(f"{os.path.basename(packages[0])}: {len(names)} entries")


def main(argv):
    checks = {"install": check_install, "deb": check_deb, "source": check_source}
    if len(argv) != 3 or argv[2] not in checks:
        print(__doc__)
        return 2
    try:
        checks[argv[2]](os.path.abspath(argv[1]))
    except harness.Failure as failure:
        print(f"FAIL {argv[2]}: {failure}")
        return 1
    except Skip as skip:
        print(f"SKIP {argv[2]}: {skip}")
        return 77
    print(f"PASS {argv[2]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
