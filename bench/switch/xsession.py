"""An X server of the benchmark's own (Xvfb, 1024 x 768) with openbox, and the programs
started on it, all ended when the session ends."""

import os
import random
import re
import signal
import subprocess
import time


class XSession:
    def __init__(self, window_manager=True, size="1024x768x24", openbox_config=None):
        self.window_manager = window_manager
        self.size = size
        self.openbox_config = openbox_config
        self.procs = []
        self.display = None

    def __enter__(self):
        for _ in range(50):
            n = 100 + random.randrange(800)
            if not os.path.exists("/tmp/.X%d-lock" % n) and not os.path.exists("/tmp/.X11-unix/X%d" % n):
                break
        self.display = ":%d" % n
        server = subprocess.Popen(["Xvfb", self.display, "-screen", "0", self.size, "-nolisten", "tcp", "-noreset"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(server)
        if not self.wait_until(lambda: subprocess.call(["xdpyinfo"], env=self.env(), stdout=subprocess.DEVNULL,
                                                       stderr=subprocess.DEVNULL) == 0, 10):
            raise RuntimeError("Xvfb did not start")
        if self.window_manager:
            cmd = ["openbox", "--sm-disable"]
            if self.openbox_config:
                cmd += ["--config-file", self.openbox_config]
            self.spawn(cmd)
            if not self.wait_until(lambda: "window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 20):
                raise RuntimeError("openbox did not start")
        return self

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
        deadline = time.time() + 3
        for p in reversed(self.procs):
            try:
                p.wait(max(0.1, deadline - time.time()))
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
        return False

    def env(self, base=None):
        e = dict(base if base is not None else os.environ)
        e["DISPLAY"] = self.display
        return e

    def spawn(self, cmd, env=None, cwd=None, stdout_path=None):
        out = open(stdout_path, "ab") if stdout_path else subprocess.DEVNULL
        p = subprocess.Popen(cmd, env=self.env(env), cwd=cwd, stdout=out, stderr=subprocess.STDOUT if stdout_path else
                             subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def run(self, cmd):
        r = subprocess.run(cmd, env=self.env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                           errors="replace")
        return r.stdout

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def pointer(self):
        out = self.run(["xdotool", "getmouselocation"])
        m = re.match(r"x:(-?\d+) y:(-?\d+)", out)
        return (int(m.group(1)), int(m.group(2))) if m else None

    def wait_for_window(self, name_regex, limit=10):
        return self.wait_until(lambda: self.run(["xdotool", "search", "--name", name_regex]).strip() != "", limit)

    @staticmethod
    def wait_until(predicate, limit):
        deadline = time.time() + limit
        while time.time() < deadline:
            if predicate():
                return True
            time.sleep(0.05)
        return predicate()
