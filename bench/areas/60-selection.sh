#!/usr/bin/env bash
# Point scanning: simulated users choosing 20 x 20 px targets by the sweep, on a 1024 x 768
# and a 1920 x 1080 screen at the default pace (the program's own sweep and minimum
# interval, run by zentavoro-point-scan-bench).
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
bench=$BENCH_LINUX/bench/point-scanning/zentavoro-point-scan-bench
{
    bench_section "Point scanning: simulated users"
    if [ -x "$bench" ]; then
        "$bench" --trials 2000 --json "$out.json"
        echo
        echo "The \"rhythm\" user has learnt the sweep and presses around the moment the line reaches"
        echo "the middle of the target (timing error 0 ± 60 ms); the \"late\" user reacts to it"
        echo "(+150 ± 60 ms). Each line is fixed by one press while coarse and one while refining (the"
        echo "coarse-only rows leave the refining sweep out). Goal: at least 95 % inside for the"
        echo "rhythm user with the program's sweep. The time to select runs from one click to the"
        echo "next, the minimum interval's wait at the start of each sweep included."
    else
        echo "Not measured: $bench was not built."
    fi
    echo
} >"$out.md"
