#!/usr/bin/env python3
"""Screenshots of the real program under Xvfb.

  screenshots.py BINARY OUTDIR

Writes questionnaire.png (page 0), please-select.png (the refusal over it),
results.png (a finished reading), about.png and exit-screen.png, and
results-2x.png: the reading on an X server at 192 dpi (Xft.dpi), where Qt
draws every window at twice the size.
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


def answer(s, program, q):
    """A reading with a different answer on most pages; the results window."""
    return cases.answer_all_pages(s, program, q, (2, 1, 3, 0, 1, 2, 3, 0))


def take(s, outdir):
    program = s.start_program()
    q = cases.open_questionnaire(s, program)
    shoot(s, outdir, "questionnaire.png", q.wid)

    s.key(q.wid, "alt+n")
    box = s.wait_screen(program, "questionnaire", BOX)[BOX]
    shoot(s, outdir, "please-select.png", q.wid, box)
    s.key(box, "Return")
    s.wait_screen(program, "questionnaire")

    results = answer(s, program, q)
    shoot(s, outdir, "results.png", results)

    s.menu(program, results, "alt+h", "a")
    about = s.wait_screen(program, "results", "about")["about"]
    shoot(s, outdir, "about.png", about)
    s.key(about, "Return")
    s.wait_screen(program, "results")

    exit_screen = cases.to_exit_screen(s, program, results)
    shoot(s, outdir, "exit-screen.png", exit_screen)
    s.key(exit_screen, "alt+x")
    program.expect_exit("Alt+X on the exit screen")


def take_scaled(s, outdir):
    program = s.start_program()
    results = answer(s, program, cases.open_questionnaire(s, program))
    shoot(s, outdir, "results-2x.png", results)
    cases.leave_through_exit_screen(s, program, results, "Alt+X on the exit screen")


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    outdir = os.path.abspath(argv[2])
    os.makedirs(outdir, exist_ok=True)
    try:
        with harness.Session("screenshots", os.path.abspath(argv[1])) as s:
            take(s, outdir)
        with harness.Session("screenshots-2x", os.path.abspath(argv[1]), dpi=192,
                             screen=(2560, 1600)) as s:
            take_scaled(s, outdir)
    except harness.Failure as failure:
        print(f"screenshots failed: {failure}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
