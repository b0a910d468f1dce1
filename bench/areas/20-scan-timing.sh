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
    local build=$1 tenths=$2 steps=$3 work
    work=$(mktemp -d /tmp/zentavoro-bench-scan.XXXXXX)
    if bench_open_session "$work"; then
        bench_settings "$work/Zentavoro.ini" "$tenths"
        bench_scan_file "$work/bench.zvo" "${BENCH_POINTS[@]}"
        bench_start_program "$build" "$work" "$work/bench.zvo"
        # Start-up (the splash, Wine's own) and then the steps, with two to spare.
        sleep $(( (steps + 2) * tenths / 10 + 8 ))
        bench_stop_program "$build"
    fi
    bench_close_session
    local label
    label="$(bench_build_label "$build"), $tenths tenths"
    "$BENCH_PY" "$here/lib/scan_steps.py" "$work/motion.log" $((tenths * 100)) "$label" "${BENCH_POINTS[@]}" \
        >>"$out.json"
    [ -f "$work/motion.log.csv" ] && cat "$work/motion.log.csv" >>"$out.csv"
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
    echo "Each step's period (from one step's first pointer move to the next's, in the X server's"
    echo "time) minus the set period, over 100+ steps of automatic scanning of four points."
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
print("| run | steps | median \\|error\\| | p99 \\|error\\| | max \\|error\\| | mean error | drift per 100 steps | goal |")
print("|---|---|---|---|---|---|---|---|")
for r in rows:
    print(f"| {r['label']} | {r['steps']} | {ms(r.get('median_abs'))} | {ms(r.get('p99_abs'))} | "
          f"{ms(r.get('max_abs'))} | {ms(r.get('mean'))} | {ms(r.get('drift_per_100'))} | {verdict(r)} |")
PY
    echo
    [ -n "$chart" ] && echo "$chart" && echo
    bench_wine_usable || echo "The Windows build was not measured: no Wine prefix or no Windows build."
} >"$out.md"
