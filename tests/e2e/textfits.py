#!/usr/bin/env python3
"""The text-fit checks with another stand-in font, at a scale factor.

  textfits.py FONT FACTOR TST_TEXTFITS TST_ABOUT TST_FRMNAGSCREEN2 [LANGUAGE]

Where Verdana is missing the program asks for DejaVu Sans, and where that is
missing too (Fedora, Ubuntu without DejaVu) fontconfig gives Liberation Sans
or Noto Sans. FONT (dejavu, liberation or noto) makes that font the only one
the test programs see, through a private fontconfig configuration that lists
only its files (the system's other settings stay); FACTOR goes to
QT_SCALE_FACTOR. The three test programs (their text-fit functions) then run
on Qt's offscreen platform; tst_textfits confirms the font and the factor
through TOEVANE_TEXTFIT_FAMILY and TOEVANE_TEXTFIT_SCALE. LANGUAGE (a
translation: de, pt_BR, ...) goes to TOEVANE_TEST_LANGUAGE: the programs run
in it, where tst_textfits also finds every text translated, and a CJK font
(fonts-wqy-microhei) stands beside FONT for the letters it lacks, as on a
desktop. The exit status is 0 when every program passed.
"""

import glob
import os
import shutil
import subprocess
import sys
import tempfile

# name: (family, Debian package, where its upright and bold faces lie: the
# first of these lists of file patterns that finds files)
FONTS = {
    "dejavu": ("DejaVu Sans", "fonts-dejavu-core",
               [["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                 "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"]]),
    "liberation": ("Liberation Sans", "fonts-liberation2 (or fonts-liberation)",
                   [["/usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf"],
                    ["/usr/share/fonts/truetype/liberation/LiberationSans-*.ttf"]]),
    "noto": ("Noto Sans", "fonts-noto-core",
             [["/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf",
               "/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf"]]),
}

FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>{fonts}</dir>
  <cachedir>{cache}</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
"""


# The CJK font that takes the letters the stand-in lacks, and its package.
CJK_FONT = ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", "fonts-wqy-microhei")


class Unavailable(Exception):
    """The font is not installed."""


def font_environment(font, root, cjk=False):
    """Environment entries that leave `font` the only font (and the CJK font
    with it, if cjk), set up in root.

    Returns (entries, family). HOME and the XDG folders move into root too,
    so that no font of the user's own is found."""
    family, package, places = FONTS[font]
    files = []
    for patterns in places:
        files = sorted(path for pattern in patterns for path in glob.glob(pattern))
        if files:
            break
    if len(files) < 2:
        raise Unavailable(f"{family} is not installed: apt-get install {package}")
    if cjk:
        if not os.path.exists(CJK_FONT[0]):
            raise Unavailable(f"{CJK_FONT[0]} is missing: apt-get install {CJK_FONT[1]}")
        files.append(CJK_FONT[0])
    fonts = os.path.join(root, "fonts")
    os.makedirs(fonts)
    for path in files:
        os.symlink(path, os.path.join(fonts, os.path.basename(path)))
    conf = os.path.join(root, "fonts.conf")
    with open(conf, "w") as f:
        f.write(FONTS_CONF.format(fonts=fonts, cache=os.path.join(root, "cache")))
    home = os.path.join(root, "home")
    os.makedirs(home)
    entries = {"FONTCONFIG_FILE": conf, "HOME": home,
               "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
               "XDG_CONFIG_HOME": os.path.join(home, ".config"),
               "XDG_CACHE_HOME": os.path.join(home, ".cache")}
    return entries, family


def run_programs(commands, env, timeout=240):
    """Runs every command with env; returns the names of those that failed."""
    failed = []
    for command in commands:
        print("running:", " ".join(os.path.basename(part) if i == 0 else part
                                   for i, part in enumerate(command)), flush=True)
        try:
            done = subprocess.run(command, env=env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                  text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            print(f"  did not end within {timeout} s")
            failed.append(os.path.basename(command[0]))
            continue
        if done.returncode != 0:
            print(done.stdout)
            failed.append(os.path.basename(command[0]))
    return failed


def check_text_fits(commands, font, factor=None, expected_scale=None, extra_env=None,
                    language=None):
    """Runs the commands with `font` as the only font; returns the failed ones.

    factor goes to QT_SCALE_FACTOR; expected_scale (default: factor) is the
    device pixel ratio the programs must see; language, the translation they
    run in (with the CJK font beside `font`)."""
    root = tempfile.mkdtemp(prefix=f"toevane-textfit-{font}-")
    try:
        entries, family = font_environment(font, root, cjk=bool(language))
        env = dict(os.environ)
        env["QT_QPA_PLATFORM"] = "offscreen"  # unless extra_env names another
        env["QT_QPA_PLATFORMTHEME"] = ""
        env.pop("QT_SCREEN_SCALE_FACTORS", None)
        env.pop("QT_SCALE_FACTOR", None)
        if factor is not None:
            env["QT_SCALE_FACTOR"] = str(factor)
        env.update(entries)
        env.update(extra_env or {})
        env["TOEVANE_TEXTFIT_FAMILY"] = family
        env["TOEVANE_TEXTFIT_SCALE"] = str(expected_scale or factor or 1)
        env.pop("TOEVANE_TEST_LANGUAGE", None)
        if language:
            env["TOEVANE_TEST_LANGUAGE"] = language
        return run_programs(commands, env)
    finally:
        shutil.rmtree(root, ignore_errors=True)


def fit_commands(tst_textfits, tst_about, tst_frmnagscreen2):
    """The text-fit checks: all of tst_textfits, and the fit functions of the
    About window's and the exit screen's tests."""
    return [[tst_textfits],
            [tst_about, "everyTextFitsItsControl"],
            [tst_frmnagscreen2, "everyTextFitsItsControlAtNinetySixDpi"]]


def main(argv):
    if len(argv) not in (6, 7) or argv[1] not in FONTS:
        print(__doc__)
        return 2
    font, factor = argv[1], argv[2]
    language = argv[6] if len(argv) == 7 else None
    commands = fit_commands(*argv[3:6])
    setting = f"{FONTS[font][0]} at {factor}x" + (f" in {language}" if language else "")
    try:
        failed = check_text_fits(commands, font, factor, language=language)
    except Unavailable as missing:
        print(f"FAIL: {missing}")
        return 1
    if failed:
        print(f"FAIL: {setting}: {', '.join(failed)}")
        return 1
    print(f"PASS: every text fits with {setting}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
