#!/usr/bin/env bash
# CPU and memory while scanning with no presses: the real builds scan four points at 12
# tenths for a minute; the process's CPU time over that minute and its resident memory.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
. "$here/lib/drive.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
window=60
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status" 2>/dev/null; }
# This run's own Wine server: the one whose environment names our prefix.
our_wineserver() {
    local dir pid
    for dir in /proc/[0-9]*; do
        pid=${dir#/proc/}
        case "$(cat "$dir/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
        tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid" && return
    done
}

measure() { # build
    local build=$1 work pid server cpu0 cpu1 server0 server1
    work=$(mktemp -d /tmp/zentavoro-bench-res.XXXXXX)
    if bench_open_session "$work"; then
        bench_settings "$work/Zentavoro.ini" 12
        bench_scan_file "$work/bench.zvo" "${BENCH_POINTS[@]}"
        bench_start_program "$build" "$work" "$work/bench.zvo"
        sleep 10  # start-up and the first steps
        pid=$(bench_program_process)
        server=""
        [ "$build" = windows ] && server=$(our_wineserver)
        cpu0=$(cpu_ticks "$pid")
        [ -n "$server" ] && server0=$(cpu_ticks "$server")
        sleep "$window"
        cpu1=$(cpu_ticks "$pid")
        [ -n "$server" ] && server1=$(cpu_ticks "$server")
        local rss hwm
        rss=$(status_kb "$pid" VmRSS)
        hwm=$(status_kb "$pid" VmHWM)
        local label
        label=$(bench_build_label "$build")
        if [ -n "$cpu0" ] && [ -n "$cpu1" ] && [ -n "$rss" ]; then
            local cpu server_cpu="-"
            cpu=$(awk -v a="$cpu0" -v b="$cpu1" -v t="$ticks" -v w="$window" 'BEGIN { printf "%.2f", 100 * (b - a) / t / w }')
            [ -n "$server" ] && [ -n "${server1:-}" ] &&
                server_cpu=$(awk -v a="$server0" -v b="$server1" -v t="$ticks" -v w="$window" 'BEGIN { printf "%.2f", 100 * (b - a) / t / w }')
            echo "$label|$cpu|$((rss / 1024))|$((hwm / 1024))|$server_cpu" >>"$out.tsv"
        else
            echo "$label|-|-|-|-" >>"$out.tsv"
        fi
        bench_stop_program "$build"
    fi
    bench_close_session
    rm -rf "$work"
}

rm -f "$out.tsv"
measure linux
bench_wine_usable && measure windows

{
    bench_section "CPU and memory while scanning"
    echo "The process scanning four points at 12 tenths of a second, no presses, over $window s"
    echo "(after 10 s of start-up); CPU time as a share of one core, resident memory at the end."
    echo
    echo "| build | CPU (goal <= 0.5 % of a core) | resident memory (goal <= 40 MB) | peak resident | Wine server's CPU | goals met |"
    echo "|---|---|---|---|---|---|"
    while IFS='|' read -r label cpu rss hwm server; do
        verdict="$(bench_verdict "$cpu" "<=" 0.5) / $(bench_verdict "$rss" "<=" 40)"
        echo "| $label | $cpu % | $rss MB | $hwm MB | $server % | $verdict |"
    done <"$out.tsv"
    echo
    bench_wine_usable || echo "The Windows build was not measured: no Wine prefix or no Windows build."
    echo "Under Wine the program's own process is measured; the Wine server, which every Wine"
    echo "program of the session shares, is shown beside it."
} >"$out.md"
