#!/usr/bin/env python3
"""Screenshots of the real program under Xvfb.

  screenshots.py BINARY OUTDIR

Writes questionnaire.png (page 0), please-select.png (the refusal over it),
results.png (a finished reading), about.png and exit-screen.png.
"""

import os
import sys

import cases
import harness
from harness import BOX, wait_until


def steady(s, *wids):
    """Waits until every window is drawn and holds still."""
    s.park_pointer()
    for wid in wids:
        previous = [None]

        def still():
            image = s.grab(wid)
            same = (image is not None and image == previous[0]
                    and not cases.uniform(image[2]))
            previous[0] = image
            return same
        wait_until(still, "the window to be drawn")


def shoot(s, outdir, name, *wids):
    steady(s, *wids)
    path = os.path.join(outdir, name)
    s.shoot(path, *wids)
    print(f"wrote {path}")


def take(s, outdir):
    program = s.start_program()
    q = cases.open_questionnaire(s, program)
    shoot(s, outdir, "questionnaire.png", q.wid)

    s.key(q.wid, "alt+n")
    box = s.wait_screen(program, "questionnaire", BOX)[BOX]
    shoot(s, outdir, "please-select.png", q.wid, box)
    s.key(box, "Return")
    s.wait_screen(program, "questionnaire")

    # A reading with a different answer on most pages.
    seen = [q.title()]
    for page, answer in enumerate((2, 1, 3, 0, 1, 2, 3, 0)):
        q.choose(answer)
        s.key(q.wid, "alt+a" if page == cases.PAGE_COUNT - 1 else "alt+n")
        if page < cases.PAGE_COUNT - 1:
            seen.append(q.expect_new_title(seen, f"page {page + 1}"))
    results = s.wait_screen(program, "results")["results"]
    shoot(s, outdir, "results.png", results)

    s.menu(program, results, "alt+h", "a")
    about = s.wait_screen(program, "results", "about")["about"]
    shoot(s, outdir, "about.png", about)
    s.key(about, "Return")
    s.wait_screen(program, "results")

    s.key(results, "Escape")
    exit_screen = s.wait_screen(program, "exit screen")["exit screen"]
    shoot(s, outdir, "exit-screen.png", exit_screen)
    s.key(exit_screen, "alt+x")
    program.expect_exit("Alt+X on the exit screen")


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    outdir = os.path.abspath(argv[2])
    os.makedirs(outdir, exist_ok=True)
    try:
        with harness.Session("screenshots", os.path.abspath(argv[1])) as s:
            take(s, outdir)
    except harness.Failure as failure:
        print(f"screenshots failed: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
