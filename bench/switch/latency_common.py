"""What the two latency measurements share: the three points, the scratch folder with the
settings and the scan file, the presses while scanning, the common arguments and the
result file."""

import argparse
import os
import shutil
import sys
import tempfile
import time

from analysis import summary, write_result

POINTS = [(150, 250), (350, 350), (550, 450)]


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


def arguments(usage_first):
    """The argument parser, its first positional arguments given, with the options both
    measurements take."""
    ap = argparse.ArgumentParser()
    for name in usage_first:
        ap.add_argument(name)
    ap.add_argument("--presses", type=int, default=60)
    ap.add_argument("--seed", type=int, default=20261208)
    ap.add_argument("--pace", type=int, default=5, help="tenths of a second per scan step")
    return ap


def finish(args, build, samples, tmp, **extra):
    """Writes the figures and every sample to the output file and removes the scratch
    folder."""
    result = summary(samples, args.presses)
    result.update({"build": build, "pace_tenths": args.pace, "presses_sent": args.presses, "seed": args.seed})
    result.update(extra)
    result["samples"] = samples
    write_result(args.out, result)
    shutil.rmtree(tmp, ignore_errors=True)
