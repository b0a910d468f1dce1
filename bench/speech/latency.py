#!/usr/bin/env python3
"""From a scan step's pointer move to the first sound of the point's name.

    latency.py ZENTAVORO TARGET OUT.json [--steps N] [--pace TENTHS]

Runs the real Linux build on an Xvfb server of its own with openbox, under a D-Bus session
of its own, with a PulseAudio server whose only output is a null sink and speech-dispatcher
(espeak-ng) speaking into it. The program scans four named points of a target window with
"Say each point's name" on. The target window logs each pointer move with the X server's
time of it (milliseconds of the monotonic clock); parec reads the null sink's monitor in 5
ms pieces, each stamped with the same clock when it arrives. A step's latency runs from the
first move of its placement to the first sample of its name above the silence level after
20 ms of silence (so that the tail of the name before is never taken for it). The program
asks for the name just before it moves the pointer, so a name may be heard up to a few
milliseconds before the move: such a step counts as 0 ms.

A sample's time is its place in the recording counted from the stamp of the piece that
arrived soonest after its samples were made, among those near the step: the sound
server's own buffering is counted, as a user would hear it. Writes the figures and every sample to OUT.json. Measures; never fails on a figure.
"""

import argparse
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "switch"))
import xsession  # noqa: E402
from analysis import percentile, write_result  # noqa: E402

RATE = 16000
PIECE = RATE // 200          # 5 ms of 16-bit mono samples
SILENCE = 0.02               # of full scale
POINTS = [(200, 250), (400, 250), (600, 250), (800, 250)]
NAMES = ["Aceptar", "Cancelar", "Ayuda", "Guardar"]
TARGET_GEOMETRY = "900x400+50+100"


class Recorder:
    """parec on the null sink's monitor, every piece stamped when it arrives."""

    def __init__(self, env):
        self.proc = subprocess.Popen(["parec", "-d", "zentavoro.monitor", "--format=s16le", "--rate=%d" % RATE,
                                      "--channels=1", "--latency-msec=5"], env=env, stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL)
        self.samples = []
        self.stamps = []          # (monotonic seconds at arrival, samples received by then)
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        while True:
            data = self.proc.stdout.read(PIECE * 2)
            now = time.monotonic()
            if not data:
                return
            self.samples.extend(v / 32768.0 for v, in struct.iter_unpack("<h", data[:len(data) // 2 * 2]))
            self.stamps.append((now, len(self.samples)))

    def stop(self):
        self.proc.send_signal(signal.SIGTERM)
        self.proc.wait(5)
        self.thread.join(5)

    def time_of(self, near):
        """The clock time of sample 0, as the pieces that arrived within two seconds of the
        time `near` give it: the stamp of the one that arrived soonest after its last sample
        was made (taken near each step, so that the sound card's clock and the system's
        may drift apart over the run)."""
        return min((t - n / RATE for t, n in self.stamps if abs(t - near) <= 2.0),
                   default=min(t - n / RATE for t, n in self.stamps))


def onset_after(samples, first, last):
    """The first sample above the silence level, from `first` on, that follows 20 ms of
    silence (which may begin before `first`): the start of a stretch of sound, never the
    tail of the name before."""
    quiet_needed = RATE // 50
    quiet = 0
    for i in range(max(0, first - quiet_needed), last):
        if abs(samples[i]) > SILENCE:
            if quiet >= quiet_needed and i >= first:
                return i
            quiet = 0
        else:
            quiet += 1
    return None


def start_desktop(session, folder):
    env = session.env()
    env.update(XDG_RUNTIME_DIR=os.path.join(folder, "run"), HOME=os.path.join(folder, "home"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(env["HOME"])
    out = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, capture_output=True, text=True).stdout
    for line in out.splitlines():
        if "=" in line and line.startswith("DBUS_SESSION_BUS_"):
            key, value = line.split("=", 1)
            env[key] = value.rstrip(";").strip("'")
    bus_pid = int(env["DBUS_SESSION_BUS_PID"])
    session.spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                   "--load=module-null-sink sink_name=zentavoro", "--load=module-native-protocol-unix"], env=env)
    if not session.wait_until(lambda: subprocess.call(["pactl", "info"], env=env, stdout=subprocess.DEVNULL,
                                                      stderr=subprocess.DEVNULL) == 0, 10):
        raise RuntimeError("the sound server did not start")
    subprocess.call(["pactl", "set-default-sink", "zentavoro"], env=env)
    session.spawn(["speech-dispatcher", "-s", "-t", "0", "-L", folder], env=env)
    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
    if not session.wait_until(lambda: os.path.exists(socket), 20):
        raise RuntimeError("speech-dispatcher did not start")
    return env, bus_pid


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("zentavoro")
    parser.add_argument("target")
    parser.add_argument("out")
    parser.add_argument("--steps", type=int, default=60)
    parser.add_argument("--pace", type=int, default=15)
    args = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="zentavoro-speech-bench.")
    bus_pid = None
    try:
        work = os.path.join(folder, "work")
        os.makedirs(work)
        with open(os.path.join(folder, "Zentavoro.ini"), "wb") as f:
            f.write(("[Zentavoro]\r\nD\xc8CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG=%d\r\n"
                     "DIR EL NOM DE CADA PUNT=S\xcd\r\n" % args.pace).encode("cp1252"))
        with open(os.path.join(work, "names.zvo"), "wb") as f:
            lines = ["Projecte Brisal 2001 - Zentavoro v: 1", "N\xfamero de puntos = %d" % len(POINTS)]
            lines += ["%d,%d" % p for p in POINTS]
            lines += ["//zv names 1"] + ['//zv name %d "%s"' % (i + 1, n) for i, n in enumerate(NAMES)]
            f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
        log = os.path.join(folder, "target.log")
        with xsession.XSession() as session:
            env, bus_pid = start_desktop(session, folder)
            env["ZENTAVORO_INI"] = os.path.join(folder, "Zentavoro.ini")
            session.spawn([args.target, "--title", "Destino", "--geometry", TARGET_GEOMETRY, "--log", log,
                           "--motion", "yes"], env=env)
            session.wait_for_window("^Destino$")
            recorder = Recorder(env)
            time.sleep(1)
            program = session.spawn([args.zentavoro, "names.zvo"], env=env, cwd=work,
                                    stdout_path=os.path.join(folder, "zentavoro.log"))
            time.sleep(3 + args.steps * args.pace / 10.0)
            program.send_signal(signal.SIGTERM)
            program.wait(10)
            time.sleep(0.5)
            recorder.stop()

        # The steps: the first move onto a point that is not the point before.
        moves = []
        previous = None
        for line in open(log):
            w = line.split()
            if w[0] != "motion":
                continue
            at = (int(w[1]), int(w[2]))
            if at in POINTS and at != previous:
                # The X server's own time of the move (its clock is the monotonic one).
                moves.append((int(w[3]) / 1e3, POINTS.index(at)))
            if at in POINTS or (at[0] - 1, at[1] - 1) not in POINTS:
                previous = at
        samples = recorder.samples
        step_s = args.pace / 10.0
        result_samples = []
        lead = RATE // 20   # a name may be heard a little before the move: spoken first
        for t, point in moves:
            origin = recorder.time_of(t)
            first = max(0, int((t - origin) * RATE) - lead)
            last = min(len(samples), int((t + step_s - origin) * RATE))
            onset = onset_after(samples, first, last)
            latency = None if onset is None else max(0.0, (origin + onset / RATE - t) * 1000.0)
            entry = {"point": point, "name": NAMES[point], "latency_ms": latency}
            if os.environ.get("ZENTAVORO_SPEECH_BENCH_ENVELOPE"):
                # The loudest sample of each 10 ms from 300 ms before the move on, for a look.
                bins = range(first - RATE * 3 // 10, last, RATE // 100)
                entry["envelope"] = [round(max((abs(v) for v in samples[max(b, 0):b + RATE // 100]), default=0), 3)
                                     for b in bins]
            result_samples.append(entry)
        heard = [s["latency_ms"] for s in result_samples if s["latency_ms"] is not None]
        result = {
            "steps": len(moves),
            "heard": len(heard),
            "silent_steps": len(moves) - len(heard),
            "median_ms": percentile(heard, 50),
            "p95_ms": percentile(heard, 95),
            "min_ms": min(heard) if heard else None,
            "max_ms": max(heard) if heard else None,
            "pace_ms": args.pace * 100,
            "load_average": list(os.getloadavg()),
            "samples": result_samples,
        }
        write_result(args.out, result)
    finally:
        if bus_pid:
            try:
                os.kill(bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
