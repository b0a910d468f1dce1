#!/usr/bin/env bash
# The switch: from a press to the click in the application, on the point the user saw, for
# the Linux build and the Windows build under Wine (bench/switch/latency_*.py: 60 presses
# at random moments while scanning three points at 5 tenths a step, no minimum interval;
# then, on Linux, 200 presses aimed at the last milliseconds before a step, where a press is
# most likely to be taken for the next point), and every press once: 200 presses in a row in each hook mode (bench/switch/stress.py).
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
target=$BENCH_LINUX/tools/x11-target/zentavoro-target

"$BENCH_PY" "$here/switch/latency_x11.py" "$(bench_linux_program)" "$target" "$out.linux.json" >"$out.log" 2>&1 ||
    bench_note "the Linux latency run did not finish (see $out.log)"
"$BENCH_PY" "$here/switch/latency_x11.py" "$(bench_linux_program)" "$target" "$out.before-steps.json" --presses 200 \
    --before-steps >>"$out.log" 2>&1 || bench_note "the Linux run of presses before the steps did not finish"
"$BENCH_PY" "$here/switch/stress.py" x11 "$BENCH_LINUX/tools/hook-stress/zentavoro-hook-stress" "$out.stress-x11.json" \
    >>"$out.log" 2>&1 || bench_note "the X11 stress run did not finish"
if bench_wine_usable; then
    "$BENCH_PY" "$here/switch/latency_wine.py" "$BENCH_WINDOWS/bin" "$target" "$out.wine.json" --prefix "$WINEPREFIX" \
        >>"$out.log" 2>&1 || bench_note "the Wine latency run did not finish"
    "$BENCH_PY" "$here/switch/stress.py" wine "$BENCH_WINDOWS/bin/zentavoro-hook-stress.exe" "$out.stress-wine.json" \
        --prefix "$WINEPREFIX" >>"$out.log" 2>&1 || bench_note "the Wine stress run did not finish"
fi

"$BENCH_PY" - "$out" "$BENCH_CHARTS" <<'PY' >"$out.md"
import json, os, subprocess, sys
out, charts = sys.argv[1], sys.argv[2]

def load(path):
    try:
        return json.load(open(path))
    except (OSError, ValueError):
        return None

def verdict(value, goal):
    return "n/a" if value is None else ("met" if value <= goal else "**missed**")

def ms(v):
    return "-" if v is None else f"{v:.0f} ms" if float(v).is_integer() else f"{v:.1f} ms"

print("## Switch press to click")
print()
machine = subprocess.run(["bash", "-c", ". bench/lib/common.sh; bench_machine"], capture_output=True, text=True).stdout.strip()
date = subprocess.run(["date", "-u", "+%Y-%m-%d %H:%M UTC"], capture_output=True, text=True).stdout.strip()
print(f"Machine: {machine}. Date: {date}.")
print()
print("Scanning three points of a target window at 5 tenths a step with no minimum interval, the")
print("switch (xdotool's left button, as a software switch) pressed 60 times at random moments.")
print("The point under the pointer when the switch went down, and the click that reached the")
print("target: on X11 both from the X server's own timestamps; under Wine the press from the X")
print("server and the click from Wine's tick count, the two clocks set side by side first.")
print()
print("| build | presses | clicks | clicks on another point (goal 0) | median (goal <= 10 ms) | 90th pct. | 99th pct. (goal <= 25 ms) | slowest |")
print("|---|---|---|---|---|---|---|---|")
csv_lines = []
for build, label in (("linux", "Linux (Qt 6 + X11)"), ("wine", "Windows build under Wine")):
    r = load(f"{out}.{build}.json")
    if not r:
        print(f"| {label} | not measured | | | | | | |")
        continue
    wrong = r["wrong_point"]
    print(f"| {label} | {r['presses_seen']} | {r['clicks']} | {wrong} ({'met' if wrong == 0 else '**missed**'}) | "
          f"{ms(r['latency_median_ms'])} ({verdict(r['latency_median_ms'], 10)}) | {ms(r['latency_p90_ms'])} | "
          f"{ms(r['latency_p99_ms'])} ({verdict(r['latency_p99_ms'], 25)}) | {ms(r['latency_max_ms'])} |")
    for s in r["samples"]:
        if s["latency_ms"] is not None:
            csv_lines.append(f"{label},{s['latency_ms']}")
print()
if csv_lines:
    data = f"{out}.latency.csv"
    open(data, "w").write("\n".join(csv_lines) + "\n")
    png = os.path.join(charts, "latency.png")
    done = subprocess.run([sys.executable, "bench/lib/charts.py", "histogram", "Switch press to click", "milliseconds",
                           png, data]).returncode == 0
    if done:
        print("![Press-to-click latency](charts/latency.png)")
        print()
r = load(f"{out}.before-steps.json")
print("Presses aimed at the steps: 200 presses on the Linux build, as above, each in the last")
print("milliseconds before a scan step, where a press could be taken for the next point. Each")
print("report carries the X server's time of its press, and the press goes to the point lit then.")
print()
print("| build | presses | clicks | clicks on another point (goal 0) | median | 90th pct. | 99th pct. | slowest |")
print("|---|---|---|---|---|---|---|---|")
if r:
    wrong = r["wrong_point"]
    print(f"| Linux (Qt 6 + X11) | {r['presses_seen']} | {r['clicks']} | {wrong} ({'met' if wrong == 0 else '**missed**'}) | "
          f"{ms(r['latency_median_ms'])} | {ms(r['latency_p90_ms'])} | {ms(r['latency_p99_ms'])} | {ms(r['latency_max_ms'])} |")
else:
    print("| Linux (Qt 6 + X11) | not measured | | | | | | |")
print()
print("Every press once: 200 presses in a row in each hook mode (the mouse modes the left button,")
print("the keyboard modes a key), on the hook libraries themselves; the right answer is 200 wake-ups")
print("of the program and 200 presses read from the mailbox.")
print()
print("| desktop | mode | presses | wake-ups | read from the mailbox | verdict |")
print("|---|---|---|---|---|---|")
for desktop in ("x11", "wine"):
    r = load(f"{out}.stress-{desktop}.json")
    if not r:
        print(f"| {desktop} | not measured | | | | |")
        continue
    for m in r["modes"]:
        ok = m.get("reports") == m["presses"] and m.get("mailbox") == m["presses"]
        print(f"| {desktop} | {m['mode']} | {m['presses']} | {m.get('reports', m.get('error'))} | {m.get('mailbox', '')} | "
              f"{'met' if ok else '**missed**'} |")
print()
PY
