# Sourced by bench/run and by every area script (bench/areas/*.sh).
#
# An area is one script, run as `bench/areas/NAME.sh`, with these in its environment:
#   BENCH_ROOT      the repository
#   BENCH_RESULTS   the folder of this run's results: the area writes its section of the
#                   report to $BENCH_RESULTS/NAME.md, its raw data next to it (NAME.*)
#   BENCH_CHARTS    the folder of the PNG charts the report links (bench/charts)
#   BENCH_LINUX     the linux preset's build tree; BENCH_WINDOWS the windows preset's
#   WINEPREFIX      a Wine prefix made for this run (empty when Wine is not usable)
# It measures and reports, and never makes the run fail: whatever it could not measure,
# its section says so and why. Charts are drawn with bench/lib/charts.py.

BENCH_SCREEN_W=1024
BENCH_SCREEN_H=768

bench_note() { echo "   $*" >&2; }

bench_machine() {
    local cpu cores mem
    cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
    cores=$(nproc)
    mem=$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
    echo "${cpu:-unknown CPU}, $cores cores, $mem, Linux $(uname -r), Debian $(cat /etc/debian_version 2>/dev/null)"
}

# The heading of an area's section: its title, then the machine and the date.
bench_section() {
    printf '## %s\n\n' "$1"
    printf 'Machine: %s. Date: %s.\n\n' "$(bench_machine)" "$(date -u '+%Y-%m-%d %H:%M UTC')"
}

# "met" or "missed": bench_verdict VALUE OP GOAL, OP being <= or >=; "n/a" without a value.
bench_verdict() {
    python3 -c '
import sys
v, op, g = sys.argv[1:4]
try:
    v, g = float(v), float(g)
except ValueError:
    print("n/a"); sys.exit()
print("met" if (v <= g if op == "<=" else v >= g) else "**missed**")' "$@"
}

# A virtual screen with openbox, as the end-to-end tests use: bench_x_start sets DISPLAY.
BENCH_XVFB_PID="" BENCH_OPENBOX_PID=""
bench_x_start() {
    local attempt
    for attempt in 1 2 3; do
        bench_x_try_start && return 0
        bench_note "the virtual screen did not start (attempt $attempt)"
        bench_x_stop
        sleep 2
    done
    return 1
}

bench_x_try_start() {
    local fifo number
    fifo=$(mktemp -u /tmp/zentavoro-bench-displayfd.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 ${BENCH_SCREEN_W}x${BENCH_SCREEN_H}x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    BENCH_XVFB_PID=$!
    if ! read -r -t 20 number <"$fifo"; then
        rm -f "$fifo"
        return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$number"
    openbox --sm-disable >/dev/null 2>&1 &
    BENCH_OPENBOX_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    return 1
}

bench_x_stop() {
    [ -n "$BENCH_OPENBOX_PID" ] && kill "$BENCH_OPENBOX_PID" 2>/dev/null
    [ -n "$BENCH_XVFB_PID" ] && kill "$BENCH_XVFB_PID" 2>/dev/null
    [ -n "$BENCH_OPENBOX_PID" ] && wait "$BENCH_OPENBOX_PID" 2>/dev/null
    [ -n "$BENCH_XVFB_PID" ] && wait "$BENCH_XVFB_PID" 2>/dev/null
    BENCH_XVFB_PID="" BENCH_OPENBOX_PID=""
}

# Stops a process we started, by its pid: politely, then for good.
bench_stop_pid() {
    local pid=$1
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

bench_windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

# The two builds the areas drive from outside, as "name|command prefix|program".
bench_linux_program() { echo "$BENCH_LINUX/src/backends/x11/zentavoro"; }
bench_windows_program() { echo "$BENCH_WINDOWS/bin/Zentavoro.exe"; }
bench_wine_usable() { [ -n "${WINEPREFIX:-}" ] && [ -f "$(bench_windows_program)" ] && command -v wine >/dev/null; }

# A scan file of the given points ("x,y" words), written as the program writes them.
bench_scan_file() {
    local file=$1
    shift
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\n'
        printf 'N\xfamero de puntos = %d\r\n' $#
        for p in "$@"; do printf '%s\r\n' "$p"; done
    } >"$file"
}

# A settings file with the scan step in tenths of a second.
bench_settings() {
    local file=$1 tenths=$2
    printf "[Zentavoro]\r\nD\xc8CIMES DE SEGON QUE DURA EL PAS D'ESCANEIG=%s\r\n" "$tenths" >"$file"
}
