"""From the target's log to press-to-click samples.

A sample is one press of the switch: when it went down, the point the pointer stood on
then, and the click it caused (when, and on which point). The points are the scan file's;
a position is taken for the point nearest to it (the scan step's one-pixel nudge included).
"""

import json
import statistics


def nearest_point(points, pos):
    if pos is None:
        return None
    best = min(range(len(points)), key=lambda i: (points[i][0] - pos[0]) ** 2 + (points[i][1] - pos[1]) ** 2)
    dx, dy = points[best][0] - pos[0], points[best][1] - pos[1]
    return best if dx * dx + dy * dy <= 4 * 4 else None


def pair_presses_and_clicks(presses, clicks, points):
    """presses: [(time, pos)], clicks: [(time, pos)], both in order. Each press is paired
    with the first click that follows it and no later press claims."""
    samples = []
    ci = 0
    for i, (t, pos) in enumerate(presses):
        next_press = presses[i + 1][0] if i + 1 < len(presses) else None
        while ci < len(clicks) and clicks[ci][0] < t:
            ci += 1
        sample = {"press_ms": t, "press_point": nearest_point(points, pos), "click_ms": None, "click_point": None,
                  "latency_ms": None}
        if ci < len(clicks) and (next_press is None or clicks[ci][0] <= next_press):
            ct, cpos = clicks[ci]
            sample.update(click_ms=ct, click_point=nearest_point(points, cpos), latency_ms=ct - t)
            ci += 1
        samples.append(sample)
    return samples


def analyse_x11_log(lines, points):
    """Lines of zentavoro-target --watch, in the server's order. A raw left press with no
    press reaching the target at the same instant is the user's switch; a press that
    reaches the target is the program's click."""
    raws = []      # [time, button, pos, is_click]
    clicks = []
    pos = None
    for line in lines:
        f = line.split()
        if not f:
            continue
        if f[0] == "motion":
            pos = (int(f[1]), int(f[2]))
        elif f[0] == "raw":
            raws.append([int(f[2]), int(f[1]), pos, False])
        elif f[0] == "press":
            t, b = int(f[4]), int(f[1])
            cpos = (int(f[2]), int(f[3]))
            for r in reversed(raws):
                if not r[3] and r[0] == t and r[1] == b:
                    r[3] = True
                    break
            if b == 1:
                clicks.append((t, cpos))
            pos = cpos
    presses = [(r[0], r[2]) for r in raws if not r[3] and r[1] == 1]
    return pair_presses_and_clicks(presses, clicks, points)


def percentile(values, p):
    if not values:
        return None
    v = sorted(values)
    k = (len(v) - 1) * p / 100.0
    lo, hi = int(k), min(int(k) + 1, len(v) - 1)
    return v[lo] + (v[hi] - v[lo]) * (k - lo)


def summary(samples, sent):
    lat = [s["latency_ms"] for s in samples if s["latency_ms"] is not None]
    wrong = [s for s in samples if s["click_point"] is not None and s["click_point"] != s["press_point"]]
    return {
        "presses_seen": len(samples),
        "clicks": len(lat),
        "missed_presses": sum(1 for s in samples if s["latency_ms"] is None),
        "wrong_point": len(wrong),
        "latency_median_ms": statistics.median(lat) if lat else None,
        "latency_p90_ms": percentile(lat, 90),
        "latency_p99_ms": percentile(lat, 99),
        "latency_max_ms": max(lat) if lat else None,
    }


def write_result(path, result):
    """The run's figures with every sample to the file, and the figures alone to the log."""
    with open(path, "w") as f:
        json.dump(result, f, indent=1)
    print(json.dumps({k: v for k, v in result.items() if k != "samples"}, indent=1))
