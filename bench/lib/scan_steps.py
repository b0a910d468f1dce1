#!/usr/bin/env python3
"""Scan-step timing from the target window's motion log.

  scan_steps.py MOTION_LOG PERIOD_MS LABEL POINT... > SUMMARY (one JSON line)

MOTION_LOG holds lines "motion X Y SERVER_MS US", from the target window's events or from
zentavoro-pointer-probe (whose server time is 0).

Every placement moves the pointer onto the point, one pixel down and right, and back;
a step begins with the first move onto a point that does not come from its one-pixel
nudge. The times are those at which the moves were seen (microseconds of the monotonic
clock; the X server's own are whole milliseconds, too coarse for errors of a fraction of
one); the server's, where the log has them, serve as a check. Writes LABEL's per-step
errors (period minus the set period, ms) as CSV lines "label,step,error" to
MOTION_LOG.csv.
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
    starts, server_starts = [], []
    previous = None
    try:
        f = open(log)
    except OSError:
        print(json.dumps({"label": label, "steps": 0}))
        return
    with f:
        for line in f:
            parts = line.split()
            if len(parts) != 5 or parts[0] != "motion":
                continue
            x, y, server, received = int(parts[1]), int(parts[2]), int(parts[3]), int(parts[4])
            if (x, y) in points and previous != (x + 1, y + 1) and previous != (x, y):
                starts.append(received / 1000.0)
                server_starts.append(server)
            previous = (x, y)
    periods = [b - a for a, b in zip(starts, starts[1:])]
    # The server's time is 32-bit milliseconds.
    server_periods = [((b - a) % (1 << 32)) for a, b in zip(server_starts, server_starts[1:])]
    errors = [p - period for p in periods]
    with open(log + ".csv", "w") as out:
        for i, e in enumerate(errors, 1):
            out.write(f"{label},{i},{e}\n")
    summary = {"label": label, "steps": len(errors)}
    if errors:
        absolute = [abs(e) for e in errors]
        # Drift: the lateness of step k against the first step and k set periods; its
        # least-squares slope, times 100, is how far a run of 100 steps wanders.
        lateness = [(s - starts[0]) - k * period for k, s in enumerate(starts)]
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
        if any(server_starts):
            summary["server_median_abs"] = statistics.median(abs(p - period) for p in server_periods)
    print(json.dumps(summary))


main()
