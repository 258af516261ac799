#!/usr/bin/env python3
"""The translations are complete and up to date with the sources.

  translations.py LUPDATE SOURCES_LIST INCLUDE_DIR TS...

Fails when a .ts file holds an entry that is unfinished, obsolete or
vanished, or an empty translation, and when lupdate, run on the sources
listed in SOURCES_LIST (one path a line) into a copy of the .ts files with
the options of the update_translations target, changes their entries: the
sources have texts that the .ts files lack or lack texts that they hold.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def entries(path):
    """(context, source, comment, comment for the translator) -> translation
    element, of one .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            if not message.findtext("source"):
                continue  # the context's comment for the translator
            key = (name, message.findtext("source"), message.findtext("comment"),
                   message.findtext("extracomment"))
            found[key] = message.find("translation")
    return found


def main(argv):
    if len(argv) < 5:
        print(__doc__)
        return 2
    lupdate, sources, include, ts_files = argv[1], argv[2], argv[3], argv[4:]
    problems = []
    for path in ts_files:
        name = os.path.basename(path)
        counts = {}
        for translation in entries(path).values():
            kind = translation.get("type") or ("empty" if not (translation.text or "").strip()
                                               and not translation.findall("numerusform")
                                               else None)
            if kind:
                counts[kind] = counts.get(kind, 0) + 1
        problems += [f"{name}: {count} {kind} entries" for kind, count in sorted(counts.items())]
    with tempfile.TemporaryDirectory(prefix="toevane-ts-") as root:
        copies = [os.path.join(root, os.path.basename(path)) for path in ts_files]
        for path, copy in zip(ts_files, copies):
            shutil.copyfile(path, copy)
        done = subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                               "-I", include, "@" + sources, "-ts", *copies],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                              timeout=100)
        if done.returncode != 0:
            print(done.stdout)
            problems.append("lupdate failed")
        for path, copy in zip(ts_files, copies):
            old, new = set(entries(path)), set(entries(copy))
            if old != new:
                    problems.append(f"{os.path.basename(path)}: out of date with the sources "
                                f"({len(new - old)} new, {len(old - new)} gone; run the "
                                f"update_translations target)")
    for problem in problems:
        print("FAIL:", problem)
    if not problems:
        print(f"PASS: {len(ts_files)} translations complete and up to date")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
