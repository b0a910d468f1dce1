#!/usr/bin/env python3
"""The report's charts, drawn from the areas' CSV data (matplotlib, PNG).

  charts.py series TITLE YLABEL OUT.png DATA.csv...
      lines "label,x,y": one line per label, y over x (the scan-step error over a run)
  charts.py histogram TITLE XLABEL OUT.png DATA.csv...
      lines "label,value": one histogram per label, side by side in one chart
      (the press-to-click latency)
"""
import collections
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402


def read(files, fields):
    data = collections.OrderedDict()
    for name in files:
        with open(name) as f:
            for line in f:
                # Labels may hold commas: the numbers are the last fields.
                parts = line.strip().rsplit(",", fields - 1)
                if len(parts) != fields:
                    continue
                data.setdefault(parts[0], []).append(tuple(float(v) for v in parts[1:]))
    return data


def series(title, ylabel, out, files):
    data = read(files, 3)
    fig, ax = plt.subplots(figsize=(9, 4.5), dpi=100)
    for label, rows in data.items():
        ax.plot([r[0] for r in rows], [r[1] for r in rows], marker=".", linewidth=0.8, label=label)
    ax.axhline(0, color="grey", linewidth=0.6)
    ax.set_title(title)
    ax.set_xlabel("step")
    ax.set_ylabel(ylabel)
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize=8)
    fig.tight_layout()
    fig.savefig(out)


def histogram(title, xlabel, out, files):
    data = read(files, 2)
    fig, ax = plt.subplots(figsize=(9, 4.5), dpi=100)
    for label, rows in data.items():
        ax.hist([r[0] for r in rows], bins=40, alpha=0.6, label=label)
    ax.set_title(title)
    ax.set_xlabel(xlabel)
    ax.set_ylabel("presses")
    ax.grid(True, alpha=0.3)
    ax.legend(fontsize=8)
    fig.tight_layout()
    fig.savefig(out)


kinds = {"series": series, "histogram": histogram}
if len(sys.argv) < 6 or sys.argv[1] not in kinds:
    sys.exit(__doc__)
kinds[sys.argv[1]](sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
