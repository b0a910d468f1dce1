#!/usr/bin/env bash
# Group scanning: simulated users choosing points on a 6 x 6 and an 8 x 8 grid and among 20
# scattered points, scanned one by one and by groups, at the default pace and two faster
# ones (the program's own scanning engine, grouping and minimum interval, run by
# zentavoro-group-scan-bench).
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
bench=$BENCH_LINUX/bench/group-scanning/zentavoro-group-scan-bench
{
    bench_section "Group scanning: simulated users"
    if [ -x "$bench" ]; then
        "$bench" --trials 2000 --json "$out.json"
        echo
        echo "Each row is 2000 selections of a point drawn at random, from one click to the next (the"
        echo "scattered points are drawn again every 100 selections). Users watch the screen: the"
        echo "\"rhythm\" user has learnt the pace and presses around the middle of the wanted item's"
        echo "stay (timing error 0 ± 60 ms), the \"late\" user reacts to its lighting (+150 ± 60 ms),"
        echo "and the third is the rhythm user missing 5 % of intended presses. A press reaches the"
        echo "program 5 ms after it is made and is judged at the moment it was made. A step is one"
        echo "item lit (a row, a point, the step back); after a selection among groups scanning begins"
        echo "again with the first group, linear scanning goes on from the point clicked. A wrong"
        echo "group is a group entered that does not hold the wanted point; its cost runs from the"
        echo "press that entered it to the press on its step back (or to the return after two rounds)."
        echo
        echo "Goals (groups, default pace): 6 x 6 grid <= 7.5 steps per selection, 8 x 8 <= 10, 20"
        echo "scattered <= 7; wrong clicks <= 1 % for the rhythm user; a wrong group costs at most its"
        echo "size + 1 steps."
        if command -v python3 >/dev/null && [ -f "$out.json" ]; then
            python3 - "$out.json" <<'PY'
import json, sys
rows = json.load(open(sys.argv[1]))["results"]
def one(points, order, user="rhythm (0 +- 60 ms)", pace="12 / 10 (defaults)"):
    return next(r for r in rows if r["points"] == points and r["order"] == order and r["user"] == user and r["pace"] == pace)
print()
print("| goal | measured | verdict |")
print("|---|---|---|")
for points, goal in (("6 x 6 grid", 7.5), ("8 x 8 grid", 10), ("20 scattered", 7)):
    g, l = one(points, "groups"), one(points, "linear")
    print(f"| {points}: <= {goal} steps by groups | {g['steps']:.2f} (linear {l['steps']:.2f}) | {'met' if g['steps'] <= goal else '**missed**'} |")
worst = max(r["wrong_clicks"] for r in rows if r["user"].startswith("rhythm") and r["pace"] == "12 / 10 (defaults)")
print(f"| wrong clicks <= 1 % for the rhythm user, default pace | {100 * worst:.2f} % at most | {'met' if worst <= 0.01 else '**missed**'} |")
over = sum(r["wrong_group_over"] for r in rows if not r["user"].startswith("misses"))
total = sum(r["wrong_groups"] for r in rows if not r["user"].startswith("misses"))
print(f"| a wrong group costs at most its size + 1 (users who press every time) | {over} of {total} cost more | {'met' if over == 0 else '**missed**'} |")
overm = sum(r["wrong_group_over"] for r in rows if r["user"].startswith("misses"))
totalm = sum(r["wrong_groups"] for r in rows if r["user"].startswith("misses"))
print(f"| the same for the user who misses 5 % | {overm} of {totalm} cost more: a missed step back is the group's second round, as the rule of two rounds asks | {'met' if overm == 0 else '**missed**'} |")
PY
        fi
    else
        echo "Not measured: $bench was not built."
    fi
    echo
} >"$out.md"
