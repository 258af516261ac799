#!/usr/bin/env python3
"""The text-fit checks with another stand-in font, at a scale factor.

  textfits.py FONT FACTOR TST_TEXTFITS TST_ABOUT TST_FRMNAGSCREEN2 [LANGUAGE]

Where Verdana is missing the program asks for DejaVu Sans, or fontconfig
gives Liberation Sans or Noto Sans. FONT (dejavu, liberation or noto) becomes
the only font the programs see, through a private fontconfig configuration;
FACTOR goes to QT_SCALE_FACTOR, LANGUAGE (de, pt_BR, ...) to
TOEVANE_TEST_LANGUAGE with a CJK font beside FONT. The programs run on Qt's
offscreen platform; tst_textfits confirms the font and the factor through
TOEVANE_TEXTFIT_FAMILY and TOEVANE_TEXTFIT_SCALE. Exit status 0: all passed.
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

CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"  # fonts-wqy-microhei


class Unavailable(Exception):
    """The font is not installed."""


def font_environment(font, root, cjk=False):
    """(entries, family): environment entries that leave `font` the only font
    (with CJK_FONT if cjk), set up in root, HOME and the XDG folders too."""
    family, package, places = FONTS[font]
    files = []
    for patterns in places:
        files = sorted(path for pattern in patterns for path in glob.glob(pattern))
        if files:
            break
    if len(files) < 2:
        raise Unavailable(f"{family} is not installed: apt-get install {package}")
    if cjk and not os.path.exists(CJK_FONT):
        raise Unavailable(f"{CJK_FONT} is missing: apt-get install fonts-wqy-microhei")
    files += [CJK_FONT] if cjk else []
    os.makedirs(fonts := os.path.join(root, "fonts"))
    for path in files:
        os.symlink(path, os.path.join(fonts, os.path.basename(path)))
    conf = os.path.join(root, "fonts.conf")
    with open(conf, "w") as f:
        f.write(FONTS_CONF.format(fonts=fonts, cache=os.path.join(root, "cache")))
    os.makedirs(home := os.path.join(root, "home"))
    entries = {"FONTCONFIG_FILE": conf, "HOME": home,
               "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
               "XDG_CONFIG_HOME": os.path.join(home, ".config"),
               "XDG_CACHE_HOME": os.path.join(home, ".cache")}
    return entries, family


def run_programs(commands, env, timeout=240):
    """Runs every command with env; returns the names of those that failed."""
    failed = []
    for command in commands:
        name = os.path.basename(command[0])
        print("running:", " ".join([name] + command[1:]), flush=True)
        try:
            done = subprocess.run(command, env=env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                  text=True, timeout=timeout)
            if done.returncode != 0:
                print(done.stdout)
                failed.append(name)
        except subprocess.TimeoutExpired:
            print(f"  did not end within {timeout} s")
            failed.append(name)
    return failed


def check_text_fits(commands, font, factor=None, expected_scale=None, extra_env=None,
                    language=None):
    """Runs the commands with `font` as the only font; returns the failed ones.

    factor goes to QT_SCALE_FACTOR; expected_scale (default: factor) is the
    device pixel ratio the programs must see; language, their translation."""
    root = tempfile.mkdtemp(prefix=f"toevane-textfit-{font}-")
    try:
        entries, family = font_environment(font, root, cjk=bool(language))
        env = {key: value for key, value in os.environ.items()
               if key not in ("QT_SCREEN_SCALE_FACTORS", "QT_SCALE_FACTOR")}
        # Offscreen, unless extra_env names another platform.
        env.update(entries, QT_QPA_PLATFORM="offscreen", QT_QPA_PLATFORMTHEME="")
        if factor is not None:
            env["QT_SCALE_FACTOR"] = str(factor)
        env.update(extra_env or {}, TOEVANE_TEXTFIT_FAMILY=family,
                   TOEVANE_TEXTFIT_SCALE=str(expected_scale or factor or 1),
                   TOEVANE_TEST_LANGUAGE=language or "")
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
    setting = f"{FONTS[font][0]} at {factor}x {language or ''}"
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
