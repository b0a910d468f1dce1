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

import argparse
import os
import random
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402
from analysis import analyse_x11_log, summary, write_result  # noqa: E402

POINTS = [(150, 250), (350, 350), (550, 450)]
TARGET_GEOMETRY = "600x400+50+150"


def prepare(prefix, pace):
    """A scratch folder with the settings (the pace, no minimum interval) and the scan file
    of the three points in its work folder: (folder, work folder, settings file)."""
    tmp = tempfile.mkdtemp(prefix=prefix)
    work = os.path.join(tmp, "work")
    os.makedirs(work)
    ini = os.path.join(work, "Zentavoro.ini")
    with open(ini, "wb") as f:
        f.write(("[Zentavoro]\r\nD\xc8CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG=%d\r\n"
                 "D\xc8CIMES DE SEGON QUE DURA L'INTERVAL DE TEMPS ENTRE 2 CLICS=0\r\n" % pace).encode("cp1252"))
    write_scan_file(os.path.join(work, "tres.zvo"), POINTS)
    return tmp, work, ini


def press_while_scanning(x, rng, presses, limit, before_steps_ms=None):
    """Once the pointer is on the first point, the switch at random moments (or, given the
    step's length, in the last milliseconds before a step), then the right button. False
    when scanning never began."""
    if not x.wait_until(lambda: x.pointer() == POINTS[0], limit):
        print("the program did not start scanning", file=sys.stderr)
        return False
    if before_steps_ms:
        # The moment of a step, seen as the pointer leaving the first point; the steps
        # keep their period, so the following ones are counted from it.
        x.wait_until(lambda: x.pointer() != POINTS[0], 5)
        step_seen = time.monotonic()
    time.sleep(0.3)
    for _ in range(presses):
        if before_steps_ms:
            period = before_steps_ms / 1000.0
            now = time.monotonic()
            next_step = step_seen + period * (int((now - step_seen) / period) + 2)
            time.sleep(max(0.0, next_step - rng.uniform(-0.010, 0.050) - time.monotonic()))
        else:
            time.sleep(rng.uniform(0.15, 0.85))
        x.xdotool("click", "1")
    time.sleep(1.0)
    x.xdotool("click", "3")
    time.sleep(0.5)
    return True


def write_scan_file(path, points):
    lines = ["Projecte Brisal 2001 - Zentavoro v: 1", "N\xfamero de puntos = %d" % len(points)]
    lines += ["%d,%d" % p for p in points]
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("zentavoro")
    ap.add_argument("target")
    ap.add_argument("out")
    ap.add_argument("--presses", type=int, default=60)
    ap.add_argument("--seed", type=int, default=20261208)
    ap.add_argument("--pace", type=int, default=5, help="tenths of a second per scan step")
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

    samples = analyse_x11_log(lines, POINTS)
    result = summary(samples, args.presses)
    result.update({"build": "linux", "pace_tenths": args.pace, "presses_sent": args.presses, "seed": args.seed,
                   "samples": samples})
    write_result(args.out, result)
    shutil.rmtree(tmp, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
