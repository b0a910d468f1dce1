#!/usr/bin/env python3
"""Switch press to click, measured on the real Linux build.

    latency_x11.py ZENTAVORO TARGET OUT.json [--presses N] [--seed S] [--pace TENTHS] [--before-steps]

Runs the program on an Xvfb server of its own with openbox, scanning three points of a
target window at the given pace with no minimum interval between clicks, and presses the
switch (xdotool's left button, standing for a software switch) at random moments. The
target window logs, in the order the X server sent them, the pointer moving over it, every
button press on the screen (raw) and every press that reaches it, each with the server's
own timestamp. From that log:

- the point under the pointer when the switch went down, and the point clicked;
- the press-to-click latency, in the server's milliseconds.

With --before-steps the presses are aimed instead at the last few milliseconds before a
scan step, where a press is most likely to be taken for the next point.

Writes the figures and every sample to OUT.json. Measures; never fails on a figure.
"""

import os
import random
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402
from analysis import analyse_x11_log  # noqa: E402
from latency_common import POINTS, arguments, finish, prepare, press_while_scanning  # noqa: E402

TARGET_GEOMETRY = "600x400+50+150"

def main():
    ap = arguments(["zentavoro", "target", "out"])
    ap.add_argument("--before-steps", action="store_true", help="press just before the scan steps")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    tmp, work, ini = prepare("zv-latency-", args.pace)
    log = os.path.join(tmp, "target.log")

    env = dict(os.environ, ZENTAVORO_INI=ini)
    with xsession.XSession(window_manager=True) as x:
        env["DISPLAY"] = x.display
        x.spawn([args.target, "--title", "Aplicacio de prova", "--geometry", TARGET_GEOMETRY, "--log", log, "--watch"],
                env=env)
        x.wait_for_window("^Aplicacio de prova$")
        x.xdotool("mousemove", "5", "5")
        x.spawn([os.path.abspath(args.zentavoro), "tres.zvo"], env=env, cwd=work,
                stdout_path=os.path.join(tmp, "zentavoro.log"))
        if not press_while_scanning(x, rng, args.presses, 15, args.pace * 100 if args.before_steps else None):
            shutil.rmtree(tmp, ignore_errors=True)
            return 1
        with open(log) as f:
            lines = f.read().splitlines()

    finish(args, "linux", analyse_x11_log(lines, POINTS), tmp)
    return 0


if __name__ == "__main__":
    sys.exit(main())
