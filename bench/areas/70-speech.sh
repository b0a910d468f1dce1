#!/usr/bin/env bash
# Saying the lit point's name: from a scan step's pointer move to the first sound of the
# name in a PulseAudio null sink, on the Linux build with speech-dispatcher and espeak-ng
# (bench/speech/latency.py: four named points, one step every 1.5 s, about sixty steps).
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
target=$BENCH_LINUX/tools/x11-target/zentavoro-target

missing=""
for tool in dbus-launch pulseaudio pactl parec speech-dispatcher; do
    command -v "$tool" >/dev/null || missing="$missing $tool"
done
if [ -z "$missing" ]; then
    "$BENCH_PY" "$here/speech/latency.py" "$(bench_linux_program)" "$target" "$out.json" --steps 70 >"$out.log" 2>&1 ||
        bench_note "the speech run did not finish (see $out.log)"
fi

"$BENCH_PY" - "$out.json" "$missing" <<'PY' >"$out.md"
import json, subprocess, sys
path, missing = sys.argv[1], sys.argv[2].strip()
print("## Saying the lit point's name")
print()
machine = subprocess.run(["bash", "-c", ". bench/lib/common.sh; bench_machine"], capture_output=True, text=True).stdout.strip()
date = subprocess.run(["date", "-u", "+%Y-%m-%d %H:%M UTC"], capture_output=True, text=True).stdout.strip()
try:
    r = json.load(open(path))
except (OSError, ValueError):
    r = None
load = (r or {}).get("load_average") or [float(v) for v in open("/proc/loadavg").read().split()[:3]]
print(f"Machine: {machine}. Date: {date}. Load average at the end of the run: {' '.join(f'{v:.2f}' for v in load)}.")
print()
if r is None:
    print("Not measured: " + (f"{missing} not installed." if missing else "the run did not finish (see build/bench-results/70-speech.log)."))
    sys.exit()
def ms(v):
    return "-" if v is None else f"{v:.0f} ms"
verdict = "n/a" if r["p95_ms"] is None else ("met" if r["p95_ms"] <= 150 else "**missed**")
print("The Linux build scans four points of a target window, one step every 1.5 s, with \"Say each")
print("point's name\" on, under a D-Bus session of its own; speech-dispatcher (espeak-ng, the")
print("user's default voice and rate) speaks into a PulseAudio null sink. From the X server's time")
print("of the first move of a step's placement to the first sample of the name above 2 % of full")
print("scale after 20 ms of silence in the sink's monitor, read by parec in 5 ms pieces, each")
print("stamped on the same (monotonic) clock when it arrived: the sound server's buffering is")
print("counted, as a listener would hear it. The program asks for the name just before it moves")
print("the pointer. The names begin with a vowel or a consonant alike (\"Aceptar\", \"Cancelar\",")
print("\"Ayuda\", \"Guardar\"): a stop consonant's silent closure counts too. Synthesis and sound run")
print("on the same two cores as everything else: with the machine loaded, the slowest steps are")
print("those where the voice waited for a core.")
print()
print("| steps | heard | median | 95th percentile (goal <= 150 ms) | fastest | slowest |")
print("|---|---|---|---|---|---|")
print(f"| {r['steps']} | {r['heard']} | {ms(r['median_ms'])} | {ms(r['p95_ms'])} ({verdict}) | {ms(r['min_ms'])} | {ms(r['max_ms'])} |")
print()
by = {}
for s in r["samples"]:
    if s["latency_ms"] is not None:
        by.setdefault(s["name"], []).append(s["latency_ms"])
if by:
    print("By name (median): " + ", ".join(f"\"{n}\" {sorted(v)[len(v) // 2]:.0f} ms" for n, v in by.items()) + ".")
    print()
PY
