#!/usr/bin/env python3
"""Switch press to click, measured on the Windows build under Wine.

    latency_wine.py BIN-DIR X11-TARGET OUT.json [--presses N] [--seed S] [--pace TENTHS] [--prefix P]

BIN-DIR holds Zentavoro.exe, LlibreriaZentavoro.dll and zentavoro-target.exe. As on
Linux: three points of a target window, the given pace, no minimum interval, xdotool's left
button pressed at random moments. Wine turns the program's clicks into window messages
without the X server, so three logs are put together:

- the switch presses, with the X server's timestamps, from zentavoro-target --watch (the
  Linux build's target, standing in a corner of the screen: it sees every press, whoever
  receives it);
- the clicks reaching the Windows target, with Wine's tick count;
- the pointer placements, with Wine's tick count, from the program's platform trace.

Both clocks count the monotonic milliseconds of the machine; the offset between them is
measured first from plain clicks on the Windows target with no hook installed, and
reported.
"""

import os
import random
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402
from analysis import pair_presses_and_clicks  # noqa: E402
from latency_common import POINTS, arguments, finish, prepare, press_while_scanning  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def target_lines(path, event):
    out = []
    if not os.path.exists(path):
        return out
    for line in open(path, errors="replace"):
        f = line.split()
        if len(f) >= 4 and f[1] == event:
            out.append((int(f[0]), (int(f[2]), int(f[3]))))
    return out


def raw_presses(path):
    out = []
    for line in open(path):
        f = line.split()
        if len(f) == 3 and f[0] == "raw" and f[1] == "1":
            out.append(int(f[2]))
    return out


def placements(trace_path):
    out = []
    for line in open(trace_path, "rb"):
        f = line.decode("cp1252", "replace").split()
        if len(f) == 4 and f[1] == "setCursorPos":
            out.append((int(f[0]), (int(f[2]), int(f[3]))))
    return out


def position_at(moves, t):
    pos = None
    for mt, p in moves:
        if mt > t:
            break
        pos = p
    return pos


def main():
    ap = arguments(["bin", "x11_target", "out"])
    ap.add_argument("--prefix")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    tmp, work, ini = prepare("zv-latency-wine-", args.pace)
    watch_log = os.path.join(tmp, "watch.log")
    target_log = os.path.join(work, "target.log")
    trace = os.path.join(work, "trace.log")
    env = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=",
               ZENTAVORO_INI=windows_path(ini), ZENTAVORO_WIN32_TRACE=windows_path(trace))
    env["WINEPREFIX"] = args.prefix or os.path.join(tmp, "prefix")
    config = os.path.join(HERE, "..", "..", "tests", "e2e-wine", "openbox-rc.xml")
    exe = lambda name: os.path.join(os.path.abspath(args.bin), name)  # noqa: E731
    with xsession.XSession(window_manager=True, openbox_config=config) as x:
        if not args.prefix:
            subprocess.run(["wineboot", "-i"], env=x.env(env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=x.env(env))
        x.spawn([args.x11_target, "--title", "watch", "--geometry", "40x40+980+720", "--log", watch_log, "--watch"],
                env=env)
        x.wait_for_window("^watch$")
        x.spawn(["wine", exe("zentavoro-target.exe"), "Target window", windows_path(target_log), "50", "150", "600",
                 "400"], env=env, cwd=work)
        x.wait_until(lambda: os.path.exists(target_log) and "READY" in open(target_log, errors="replace").read(), 60)
        time.sleep(0.5)
        # The two clocks side by side: plain clicks, no hook installed yet.
        offsets = []
        for i in range(5):
            before = len(raw_presses(watch_log))
            x.xdotool("mousemove", str(200 + 20 * i), "500", "click", "1")
            time.sleep(0.3)
            raws = raw_presses(watch_log)
            downs = target_lines(target_log, "LDOWN")
            if len(raws) > before and downs:
                offsets.append(downs[-1][0] - raws[-1])
        offset = min(offsets) if offsets else 0
        clicks_before = len(target_lines(target_log, "LDOWN"))
        raws_before = len(raw_presses(watch_log))

        x.xdotool("mousemove", "5", "5")
        x.spawn(["wine", exe("Zentavoro.exe"), "tres.zvo"], env=env, cwd=work,
                stdout_path=os.path.join(tmp, "wine.log"))
        if not press_while_scanning(x, rng, args.presses, 60):
            shutil.rmtree(tmp, ignore_errors=True)
            return 1
        subprocess.run(["wineserver", "-k"], env=x.env(env), stderr=subprocess.DEVNULL)

    moves = placements(trace)
    presses = [(t + offset, position_at(moves, t + offset)) for t in raw_presses(watch_log)[raws_before:]]
    clicks = target_lines(target_log, "LDOWN")[clicks_before:]
    releases = len(target_lines(target_log, "LUP")) - clicks_before
    finish(args, "wine", pair_presses_and_clicks(presses, clicks, POINTS), tmp, clock_offset_ms=offset,
           clock_offsets_seen=offsets, releases_in_target=releases)
    return 0


if __name__ == "__main__":
    sys.exit(main())
