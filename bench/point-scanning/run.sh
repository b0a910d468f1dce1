#!/usr/bin/env bash
# bench/point-scanning/run.sh [TRIALS]: simulated users choosing 20 x 20 px targets with
# point scanning, on a 1024 x 768 and a 1920 x 1080 screen at the default pace. Builds
# zentavoro-point-scan-bench (the program's own sweep and minimum-interval code), prints a
# markdown section and writes build/bench-results/point-scanning.json. Measures; exits 0
# whatever it finds.
set -uo pipefail
cd "$(dirname "$0")/../.."
trials=${1:-2000}
out=build/bench-results
mkdir -p "$out"
cmake --preset linux >/dev/null && cmake --build --preset linux --target zentavoro-point-scan-bench >/dev/null || exit 0
echo "## Point scanning: simulated users"
echo
build/linux/bench/point-scanning/zentavoro-point-scan-bench --trials "$trials" --json "$out/point-scanning.json"
cat <<'TXT'

The "rhythm" user has learnt the sweep and presses around the moment the line reaches the
middle of the target; the "late" user reacts to it. Each line is fixed by one press while
coarse and one while refining (the coarse-only rows leave the refining sweep out). The time
to select runs from one click to the next, the minimum interval's wait at the start of each
sweep included.
TXT
exit 0
