#!/usr/bin/env bash
# Start-up: from starting the program to the X server mapping its toolbar (the window
# titled with the title marker), the one-second splash included. Five starts per build,
# each with a fresh settings file; zentavoro-map-probe watches the server.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
. "$here/lib/drive.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
probe=$BENCH_LINUX/bench/zentavoro-map-probe
marker='ZENTAVORO  - '
runs=5

starts() { # build what (toolbar|splash)
    local build=$1 text=$marker work i
    [ "$2" = splash ] && text="Parlant de"
    for i in $(seq "$runs"); do
        work=$(mktemp -d /tmp/zentavoro-bench-start.XXXXXX)
        (
            cd "$work" || exit 1
            if [ "$build" = linux ]; then
                ZENTAVORO_INI="$work/Zentavoro.ini" "$probe" "$text" 20000 "$(bench_linux_program)"
            else
                ZENTAVORO_INI=$(bench_windows_path "$work/Zentavoro.ini") "$probe" "$text" 60000 \
                    wine "$(bench_windows_program)"
            fi
        ) 2>>"$out.log"
        rm -rf "$work"
        sleep 1
    done
}

summary() { # label values...
    local label=$1
    shift
    "${BENCH_PY}" -c '
import statistics, sys
v = [float(x) for x in sys.argv[2:]]
print(sys.argv[1] + "|" + (f"{statistics.median(v):.0f}|{min(v):.0f}|{max(v):.0f}|{len(v)}" if v else "-|-|-|0"))' "$label" "$@"
}

rm -f "$out.tsv" "$out.log"
if bench_x_start; then
    toolbar=$(starts linux toolbar)
    splash=$(starts linux splash)
    summary "$(bench_build_label linux)" $toolbar >>"$out.tsv"
    summary "$(bench_build_label linux): the splash alone" $splash >>"$out.tsv"
    if bench_wine_usable; then
        # The Wine server stays up between the starts, as it does on a desktop where
        # another Windows program ran before: the figure is the program's own start.
        wineserver -p 30
        toolbar=$(starts windows toolbar)
        splash=$(starts windows splash)
        summary "$(bench_build_label windows)" $toolbar >>"$out.tsv"
        summary "$(bench_build_label windows): the splash alone" $splash >>"$out.tsv"
        wineserver -k 2>/dev/null
    fi
    bench_x_stop
fi

{
    bench_section "Start-up"
    echo "From starting the program to the X server mapping the toolbar (with openbox), the"
    echo "one-second splash included; and to the splash being mapped. $runs starts each, a fresh"
    echo "settings file every time."
    echo
    echo "| build | median | fastest | slowest | starts | goal (toolbar <= 1150 ms) |"
    echo "|---|---|---|---|---|---|"
    while IFS='|' read -r label median low high count; do
        verdict="-"
        case "$label" in *splash*) ;; *) verdict=$(bench_verdict "$median" "<=" 1150) ;; esac
        echo "| $label | $median ms | $low ms | $high ms | $count | $verdict |"
    done <"$out.tsv"
    echo
    # From the splash on screen to the toolbar on screen is the program's own second; what
    # comes before it is the process starting up to its first window.
    "$BENCH_PY" - "$out.tsv" <<'PY'
import sys
rows = {}
for line in open(sys.argv[1]):
    parts = line.strip().split("|")
    if len(parts) == 5 and parts[1] != "-":
        rows[parts[0]] = float(parts[1])
for build in ("Linux (Qt 6 + X11)", "Windows build under Wine"):
    toolbar, splash = rows.get(build), rows.get(build + ": the splash alone")
    if toolbar is not None and splash is not None:
        print(f"- {build}: {splash:.0f} ms to the first window (the splash), then {toolbar - splash:.0f} ms "
              f"from the splash to the toolbar (the splash's own 1000 ms included).")
PY
    echo
} >"$out.md"
