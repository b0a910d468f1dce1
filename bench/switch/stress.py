#!/usr/bin/env python3
"""Every press once: COUNT presses in a row in each hook mode, on the real hook library.

    stress.py x11 TOOL OUT.json [--count N]
    stress.py wine TOOL.exe OUT.json [--count N] [--prefix WINEPREFIX]

TOOL is zentavoro-hook-stress of that build. For each mode (recording, execution,
keyboard, any key) it installs the hook and counts the library's wake-ups and the presses
it reads from the mailbox while xdotool presses COUNT times (the mouse modes the left
button, the keyboard modes the key x), 30 ms apart. Writes the counts to OUT.json. The
right answer is COUNT everywhere: no more, no fewer.
"""

import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import xsession  # noqa: E402

MODES = [("recording", ["click", "1"]), ("execution", ["click", "1"]), ("keyboard", ["key", "x"]),
         ("anykey", ["key", "x"])]
HERE = os.path.dirname(os.path.abspath(__file__))


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def run_mode(x, desktop, tool, mode, press, count, work, env):
    ready = os.path.join(work, "ready-" + mode)
    ini = os.path.join(work, "stress-%s.ini" % mode)
    env = dict(env)
    if desktop == "wine":
        env["ZENTAVORO_INI"] = windows_path(ini)
        cmd = ["wine", tool, mode, str(count), windows_path(ready)]
    else:
        env["ZENTAVORO_INI"] = ini
        cmd = [tool, mode, str(count), ready]
    out_path = os.path.join(work, "out-" + mode)
    proc = subprocess.Popen(cmd, env=x.env(env), stdout=open(out_path, "wb"), stderr=subprocess.DEVNULL)
    if not x.wait_until(lambda: os.path.exists(ready), 60):
        proc.kill()
        return {"mode": mode, "error": "the tool did not get ready"}
    # The mouse modes press over the tool's own window on Windows (Wine passes input to
    # its hooks only when it reaches a Wine window), anywhere on X11.
    x.xdotool("mousemove", "250", "200")
    if desktop == "wine" and press[0] == "key":
        w = x.run(["xdotool", "search", "--name", "^zentavoro-hook-stress$"]).split()
        if w:
            x.xdotool("windowactivate", "--sync", w[0])
    time.sleep(0.3)
    for _ in range(count):
        x.xdotool(*press)
        time.sleep(0.03)
    try:
        proc.wait(60)
    except subprocess.TimeoutExpired:
        proc.kill()
        return {"mode": mode, "error": "the tool did not end"}
    words = open(out_path).read().split()
    result = {"mode": mode, "presses": count}
    if len(words) >= 4:
        result.update(reports=int(words[1]), mailbox=int(words[3]))
    else:
        result["error"] = "no answer: %r" % " ".join(words)
    return result


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("desktop", choices=["x11", "wine"])
    ap.add_argument("tool")
    ap.add_argument("out")
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--prefix")
    args = ap.parse_args()
    work = tempfile.mkdtemp(prefix="zv-stress-")
    env = dict(os.environ)
    made_prefix = None
    if args.desktop == "wine":
        env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        if args.prefix:
            env["WINEPREFIX"] = args.prefix
        else:
            made_prefix = os.path.join(work, "prefix")
            env["WINEPREFIX"] = made_prefix
    results = []
    config = os.path.join(HERE, "..", "..", "tests", "e2e-wine", "openbox-rc.xml")
    with xsession.XSession(window_manager=True, openbox_config=config if args.desktop == "wine" else None) as x:
        if made_prefix:
            subprocess.run(["wineboot", "-i"], env=x.env(env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=x.env(env))
        for mode, press in MODES:
            r = run_mode(x, args.desktop, os.path.abspath(args.tool), mode, press, args.count, work, env)
            print(json.dumps(r))
            results.append(r)
        if args.desktop == "wine":
            subprocess.run(["wineserver", "-k"], env=x.env(env), stderr=subprocess.DEVNULL)
    with open(args.out, "w") as f:
        json.dump({"desktop": args.desktop, "count": args.count, "modes": results}, f, indent=1)
    shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
