#!/usr/bin/env python3
"""Scan-step timing from the target window's motion log.

  scan_steps.py MOTION_LOG PERIOD_MS LABEL POINT... > SUMMARY (one JSON line)

Every placement moves the pointer onto the point, one pixel down and right, and back;
a step begins with the first move onto a point that does not come from its one-pixel
nudge. The times are the X server's. Writes LABEL's per-step errors (period minus the
set period, ms) as CSV lines "label,step,error" to MOTION_LOG.csv.
"""
import json
import statistics
import sys


def percentile(values, p):
    ordered = sorted(values)
    if not ordered:
        return None
    k = (len(ordered) - 1) * p / 100
    low = int(k)
    high = min(low + 1, len(ordered) - 1)
    return ordered[low] + (ordered[high] - ordered[low]) * (k - low)


def main():
    log, period, label = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    points = {tuple(int(v) for v in p.split(",")) for p in sys.argv[4:]}
    starts = []
    previous = None
    with open(log) as f:
        for line in f:
            parts = line.split()
            if len(parts) != 4 or parts[0] != "motion":
                continue
            x, y, t = int(parts[1]), int(parts[2]), int(parts[3])
            if (x, y) in points and previous != (x + 1, y + 1) and previous != (x, y):
                starts.append(t)
            previous = (x, y)
    # The server's time is 32-bit milliseconds.
    periods = [((b - a) % (1 << 32)) for a, b in zip(starts, starts[1:])]
    errors = [p - period for p in periods]
    with open(log + ".csv", "w") as out:
        for i, e in enumerate(errors, 1):
            out.write(f"{label},{i},{e}\n")
    summary = {"label": label, "steps": len(errors)}
    if errors:
        absolute = [abs(e) for e in errors]
        # Drift: the lateness of step k against the first step and k set periods; its
        # least-squares slope, times 100, is how far a run of 100 steps wanders.
        lateness = [((s - starts[0]) % (1 << 32)) - k * period for k, s in enumerate(starts)]
        n = len(lateness)
        mean_k = (n - 1) / 2
        mean_l = sum(lateness) / n
        num = sum((k - mean_k) * (l - mean_l) for k, l in enumerate(lateness))
        den = sum((k - mean_k) ** 2 for k in range(n)) or 1
        summary.update({
            "median_abs": statistics.median(absolute),
            "p99_abs": percentile(absolute, 99),
            "max_abs": max(absolute),
            "mean": statistics.fmean(errors),
            "drift_per_100": 100 * num / den,
            "end_lateness": lateness[-1],
        })
    print(json.dumps(summary))


main()
