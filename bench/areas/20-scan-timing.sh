#!/usr/bin/env bash
# Scan-step timing: the real builds scan four points for 100+ steps at 5 and at 12 tenths
# of a second; our target window logs every pointer move with the X server's time, and
# each step's period is compared with the set one. Also the chart of the error per step.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
. "$here/lib/drive.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name

measure() { # build tenths steps
    local build=$1 tenths=$2 steps=$3 work seconds
    work=$(mktemp -d /tmp/zentavoro-bench-scan.XXXXXX)
    # Start-up (the splash, Wine's own) and then the steps, with two to spare.
    seconds=$(( (steps + 2) * tenths / 10 + 8 ))
    if bench_open_session "$work"; then
        bench_settings "$work/Zentavoro.ini" "$tenths"
        bench_scan_file "$work/bench.zvo" "${BENCH_POINTS[@]}"
        bench_start_program "$build" "$work" "$work/bench.zvo"
        # The pointer's moves, seen by asking the server a few thousand times a second:
        # under Wine they reach no other window's events.
        "$BENCH_LINUX/bench/zentavoro-pointer-probe" "$work/pointer.log" "$seconds"
        bench_stop_program "$build"
    fi
    bench_close_session
    local label
    label="$(bench_build_label "$build"), $tenths tenths"
    "$BENCH_PY" - "$here/lib/scan_steps.py" "$work" $((tenths * 100)) "$label" "${BENCH_POINTS[@]}" >>"$out.json" <<'PY'
import json, subprocess, sys
script, work, period, label, points = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
def run(log):
    r = subprocess.run([sys.executable, script, log, period, label] + points, capture_output=True, text=True)
    return json.loads(r.stdout or "{}")
summary = run(work + "/pointer.log")
check = run(work + "/motion.log")  # the target window's events, with the server's times
if "server_median_abs" in check:
    summary["server_median_abs"] = check["server_median_abs"]
print(json.dumps(summary))
PY
    [ -f "$work/pointer.log.csv" ] && cat "$work/pointer.log.csv" >>"$out.csv"
    rm -rf "$work"
}

rm -f "$out.json" "$out.csv"
builds=(linux)
bench_wine_usable && builds+=(windows)
for build in "${builds[@]}"; do
    bench_note "scan timing: $build at 5 tenths"
    measure "$build" 5 110
    bench_note "scan timing: $build at 12 tenths"
    measure "$build" 12 105
done

chart=""
if [ -s "$out.csv" ] && "$BENCH_PY" "$here/lib/charts.py" series "Scan-step period error over a run" \
        "period error (ms)" "$BENCH_CHARTS/scan-step-error.png" "$out.csv"; then
    chart="![Scan-step period error over a run](charts/scan-step-error.png)"
fi

{
    bench_section "Scan-step timing"
    echo "Each step's period (from one step's first pointer move to the next's) minus the set period,"
    echo "over 100+ steps of automatic scanning of four points over our target window. The moves are"
    echo "seen by asking the X server for the pointer every quarter of a millisecond; as a check, the"
    echo "target window's pointer events carry the server's own times (whole milliseconds; none"
    echo "reach it from the Windows build under Wine, which is why the server is asked)."
    echo "Goal: median |error| <= 1 ms, p99 <= 5 ms, no drift (a run of 100 steps wanders <= 5 ms)."
    echo
    "$BENCH_PY" - "$out.json" <<'PY'
import json, sys
rows = [json.loads(l) for l in open(sys.argv[1]) if l.strip()]
def ms(v): return "-" if v is None else f"{v:.2f} ms"
def verdict(r):
    if not r.get("steps"): return "not measured"
    ok = r["median_abs"] <= 1 and r["p99_abs"] <= 5 and abs(r["drift_per_100"]) <= 5
    return "met" if ok else "**missed**"
print("| run | steps | median \\|error\\| | p99 \\|error\\| | max \\|error\\| | mean error | drift per 100 steps | median \\|error\\| by the server's clock | goal |")
print("|---|---|---|---|---|---|---|---|---|")
for r in rows:
    print(f"| {r['label']} | {r['steps']} | {ms(r.get('median_abs'))} | {ms(r.get('p99_abs'))} | "
          f"{ms(r.get('max_abs'))} | {ms(r.get('mean'))} | {ms(r.get('drift_per_100'))} | "
          f"{ms(r.get('server_median_abs'))} | {verdict(r)} |")
PY
    echo
    [ -n "$chart" ] && echo "$chart" && echo
    bench_wine_usable || echo "The Windows build was not measured: no Wine prefix or no Windows build."
} >"$out.md"
