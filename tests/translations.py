#!/usr/bin/env python3
"""The translations are complete and up to date with the sources.

  translations.py LUPDATE SOURCES_LIST INCLUDE_DIR TS...

Fails on an unfinished, obsolete, vanished or empty entry of a .ts file, on
a control character inside an entry, and
when lupdate, run as the update_translations target runs it on the sources
listed in SOURCES_LIST, changes the entries of a copy of the .ts files.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def entries(path):
    """(context, source, comment, translator's comment) -> translation."""
    return {(context.findtext("name"), m.findtext("source"), m.findtext("comment"),
             m.findtext("extracomment")): m.find("translation")
            for context in ET.parse(path).getroot().iter("context")
            for m in context.iter("message") if m.findtext("source")}


def main(argv):
    if len(argv) < 5:
        print(__doc__)
        return 2
    lupdate, sources, include, ts_files = argv[1], argv[2], argv[3], argv[4:]
    problems = []
    with tempfile.TemporaryDirectory(prefix="toevane-ts-") as root:
        copies = [shutil.copy(path, root) for path in ts_files]
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", include,
                        "@" + sources, "-ts", *copies], check=True, timeout=100)
        for path, copy in zip(ts_files, copies):
            name, old, new = os.path.basename(path), entries(path), entries(copy)
            with open(path, encoding="utf-8") as f:
                if "<byte " in f.read():  # a control character, which a translator can drop
                    problems.append(f"{name}: a control character inside an entry")
            for kind in ("unfinished", "obsolete", "vanished", "empty"):
                count = sum((t.get("type") or ("empty" if not (t.text or "").strip() else "")) == kind
                            for t in old.values())
                if count:
                    problems.append(f"{name}: {count} {kind} entries")
            if set(old) != set(new):
                problems.append(f"{name}: out of date with the sources ({len(set(new) - set(old))} "
                                f"new, {len(set(old) - set(new))} gone; run update_translations)")
    print("\n".join("FAIL: " + p for p in problems) or f"PASS: {len(ts_files)} complete")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
