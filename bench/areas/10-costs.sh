#!/usr/bin/env bash
# The costs below the forms: the settings file as the hook poll and the options use it,
# window matching, scan file loading. Linux: Google Benchmark (zentavoro-bench). The
# Windows build: the same workloads timed by zentavoro-costs.exe under Wine.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
BENCH_PY=${BENCH_PY:-/usr/bin/python3}

rm -f "$out.linux.json" "$out.windows.tsv"
if [ -x "$BENCH_LINUX/bench/zentavoro-bench" ]; then
    # Medians of five repetitions; the scratch files live in the system's temporary folder.
    "$BENCH_LINUX/bench/zentavoro-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_min_time=0.3 --benchmark_format=json --benchmark_out="$out.linux.json" \
        --benchmark_out_format=json >/dev/null 2>"$out.linux.log"
fi
costs_exe="$BENCH_WINDOWS/bench/zentavoro-costs.exe"
if bench_wine_usable && [ -f "$costs_exe" ]; then
    WINEDEBUG=-all wine "$costs_exe" >"$out.windows.tsv" 2>"$out.windows.log"
    wineserver -k 2>/dev/null
fi

{
    bench_section "Costs below the forms"
    echo "Medians. Linux: Google Benchmark, five repetitions. Windows build: the same workloads"
    echo "timed one run at a time by a plain loop, under Wine (its files are the same Linux files"
    echo "underneath, through Wine's file layer). The settings file lies in the system's temporary"
    echo "folder; a write that changes it replaces it whole (temporary file, flush to disk, rename)."
    echo
    "$BENCH_PY" - "$out.linux.json" "$out.windows.tsv" <<'PY'
import json, os, sys
linux = {}
if os.path.exists(sys.argv[1]) and os.path.getsize(sys.argv[1]):
    for b in json.load(open(sys.argv[1]))["benchmarks"]:
        if b.get("aggregate_name") == "median":
            name = b["run_name"]
            linux[name] = (b["real_time"], b["cpu_time"])
windows = {}
if os.path.exists(sys.argv[2]):
    for line in open(sys.argv[2]):
        parts = line.strip().split("\t")
        if len(parts) == 5:
            windows[f"{parts[0]}/{parts[1]}"] = float(parts[2])

def us(v):
    if v is None: return "not measured"
    return f"{v / 1000:.2f} ms" if v >= 1000 else f"{v:.1f} µs"

rows = [
    ("one dispatcher tick, nothing reported (2 reads, 1 write of the value stored)", "dispatcherTickIdle/25", 200),
    ("one dispatcher tick taking a press (2 reads, 1 write that changes the file)", "dispatcherTickWithPress/25", 200),
    ("settings read of the last key, 25 keys", "settingsRead/25", None),
    ("settings read of the last key, 1,000 keys", "settingsRead/1000", None),
    ("settings read of the last key, 10,000 keys", "settingsRead/10000", 5000),
    ("settings write, 25 keys", "settingsWrite/25", None),
    ("settings write, 1,000 keys", "settingsWrite/1000", None),
    ("settings write, 10,000 keys", "settingsWrite/10000", 5000),
    ("window matching, 10 candidate files", "windowMatching/10", None),
    ("window matching, 1,000 candidate files", "windowMatching/1000", None),
    ("window matching, 10,000 candidate files", "windowMatching/10000", 20000),
    ("scan file loading, 10 points", "scanFileLoad/10/0", None),
    ("scan file loading, 1,001 points", "scanFileLoad/1001/0", None),
]
windows_names = {"scanFileLoad/10/0": "scanFileLoad/10", "scanFileLoad/1001/0": "scanFileLoad/1001"}
print("| figure | goal | Linux (CPU time) | Windows build under Wine | goal met |")
print("|---|---|---|---|---|")
for label, key, goal in rows:
    l = linux.get(key)
    w = windows.get(windows_names.get(key, key))
    goal_text = f"<= {us(goal)}" if goal else "how it grows"
    if goal is None:
        verdict = "-"
    else:
        verdicts = []
        for build, v in (("Linux", l[0] if l else None), ("Windows", w)):
            if v is not None:
                verdicts.append(f"{build}: " + ("met" if v <= goal else "**missed**"))
        verdict = ", ".join(verdicts) or "not measured"
    linux_text = f"{us(l[0])} ({us(l[1])})" if l else "not measured"
    print(f"| {label} | {goal_text} | {linux_text} | {us(w)} | {verdict} |")

def growth(prefix, keys):
    values = [linux.get(f"{prefix}/{k}") for k in keys]
    if any(v is None for v in values): return None
    return [v[0] for v in values]
print()
for prefix, what, keys in (("settingsRead", "A settings read", (25, 1000, 10000)),
                           ("settingsWrite", "A settings write", (25, 1000, 10000)),
                           ("windowMatching", "Window matching", (10, 1000, 10000))):
    g = growth(prefix, keys)
    if g:
        unit = "key" if "settings" in prefix else "file"
        per = (g[2] - g[1]) / (keys[2] - keys[1])
        print(f"- {what} (Linux): {us(g[0])}, {us(g[1])}, {us(g[2])} for {keys[0]:,}, {keys[1]:,}, {keys[2]:,} "
              f"{unit}s: linear in the file's size, about {per * 1000:.0f} ns per further {unit} above a fixed "
              f"cost of {us(g[0])}.")
PY
    echo
    echo "Why a tick that takes a press costs more: its write replaces the file (a new file is"
    echo "created, flushed to the disk and renamed over the old one) so that the hook library,"
    echo "writing at the same time, never loses an update and a crash never leaves half a file."
    echo "The difference between the wall time and the CPU time is the wait for the disk. Ticks"
    echo "with nothing reported, ten a second while scanning, store the value already there and"
    echo "leave the file alone."
    "$BENCH_PY" - "$out.linux.json" "$out.windows.tsv" <<'PY'
import json, os, sys
listing = {}
if os.path.exists(sys.argv[1]) and os.path.getsize(sys.argv[1]):
    for b in json.load(open(sys.argv[1]))["benchmarks"]:
        if b.get("aggregate_name") == "median" and b["run_name"] == "windowMatchingListing/10000":
            listing["Linux"] = b["real_time"]
if os.path.exists(sys.argv[2]):
    for line in open(sys.argv[2]):
        p = line.split("\t")
        if len(p) == 5 and p[0] == "windowMatchingListing":
            listing["Windows build under Wine"] = float(p[2])
if listing:
    print()
    print("Window matching is mostly listing the folder (readdir and a stat where the entry does not tell")
    print("its kind on Linux, FindFirstFile/FindNextFile on Windows); listing 10,000 files alone takes "
          + ", ".join(f"{v / 1000:.2f} ms ({k})" for k, v in listing.items()) + ".")
PY
    [ -s "$out.linux.json" ] || echo "Linux costs not measured: see $name.linux.log."
    [ -s "$out.windows.tsv" ] || echo "Windows costs not measured (no Wine prefix or no zentavoro-costs.exe)."
} >"$out.md"
