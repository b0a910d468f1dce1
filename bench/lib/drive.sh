# Sourced by the areas that drive the real builds from outside: one program at a time, on
# its own virtual screen, with our target window as the application in front.

BENCH_PY=${BENCH_PY:-/usr/bin/python3}
BENCH_POINTS=("200,200" "400,300" "600,400" "800,500")

# bench_open_session WORK: a virtual screen and a full-screen target window that logs every
# pointer move to WORK/motion.log with the server's times.
BENCH_TARGET_PID=""
bench_open_session() {
    local work=$1
    bench_x_start || { bench_note "no virtual screen"; return 1; }
    "$BENCH_LINUX/tools/x11-target/zentavoro-target" --title "Bench target" \
        --geometry "${BENCH_SCREEN_W}x${BENCH_SCREEN_H}+0+0" --log "$work/motion.log" --motion yes &
    BENCH_TARGET_PID=$!
    for _ in $(seq 50); do
        xdotool search --name '^Bench target$' >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    bench_note "the target window did not appear"
    return 1
}

bench_close_session() {
    [ -n "$BENCH_TARGET_PID" ] && bench_stop_pid "$BENCH_TARGET_PID"
    BENCH_TARGET_PID=""
    bench_x_stop
}

# bench_start_program BUILD WORK ARG...: starts the Linux build or the Windows build (under
# Wine) in WORK with the settings file WORK/Zentavoro.ini; sets BENCH_PROGRAM_PID.
BENCH_PROGRAM_PID=""
bench_start_program() {
    local build=$1 work=$2
    shift 2
    (
        cd "$work" || exit 1
        if [ "$build" = linux ]; then
            ZENTAVORO_INI="$work/Zentavoro.ini" exec "$(bench_linux_program)" "$@"
        else
            local args=()
            for a in "$@"; do args+=("$(bench_windows_path "$a")"); done
            ZENTAVORO_INI=$(bench_windows_path "$work/Zentavoro.ini") exec wine "$(bench_windows_program)" "${args[@]}"
        fi
    ) >>"$work/program.log" 2>&1 &
    BENCH_PROGRAM_PID=$!
}

# The process that runs the program itself: for Wine, the Windows process (the loader
# replaces itself with it, so the pid stays; its name is the program's).
bench_program_process() {
    echo "$BENCH_PROGRAM_PID"
}

bench_stop_program() {
    local build=$1
    [ -n "$BENCH_PROGRAM_PID" ] && bench_stop_pid "$BENCH_PROGRAM_PID"
    BENCH_PROGRAM_PID=""
    # The Wine server of this run's own prefix, which we started.
    [ "$build" = windows ] && wineserver -k 2>/dev/null
    return 0
}

bench_build_label() { [ "$1" = linux ] && echo "Linux (Qt 6 + X11)" || echo "Windows build under Wine"; }
