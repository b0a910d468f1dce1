#!/usr/bin/env bash
# bench/switch/stress.sh [COUNT]: every press once, on both desktops. Builds the hook
# libraries and zentavoro-hook-stress (Linux and the Windows cross-build), then presses
# COUNT times (200 by default) in each hook mode on X11 and under Wine, and prints how many
# reports each run gave. Measures; exits 0 whatever it finds.
set -uo pipefail
cd "$(dirname "$0")/../.."
count=${1:-200}
out=build/bench-results
mkdir -p "$out"
cmake --preset linux >/dev/null && cmake --build --preset linux --target zentavoro-hook-stress >/dev/null
cmake --preset windows >/dev/null && cmake --build --preset windows --target zentavoro-hook-stress >/dev/null
python3 bench/switch/stress.py x11 build/linux/tools/hook-stress/zentavoro-hook-stress "$out/stress-x11.json" --count "$count"
python3 bench/switch/stress.py wine build/windows/bin/zentavoro-hook-stress.exe "$out/stress-wine.json" --count "$count"
python3 - "$out/stress-x11.json" "$out/stress-wine.json" <<'PY'
import json, sys
print("| desktop | mode | presses | wake-ups | read from the mailbox |")
print("|---|---|---|---|---|")
for path in sys.argv[1:]:
    d = json.load(open(path))
    for m in d["modes"]:
        print("| %s | %s | %s | %s | %s |" % (d["desktop"], m["mode"], m.get("presses"), m.get("reports", m.get("error")),
                                          m.get("mailbox", "")))
PY
exit 0
