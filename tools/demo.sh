#!/usr/bin/env bash
# A demonstration without a desktop: a virtual X server with a window manager, a target
# window of ours, Zentavoro scanning the bundled scan file with the tracking frame on, a
# few switch presses, and screenshots under out/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${ZENTAVORO_BUILD_DIR:-$root/build/linux}" && pwd)
program=$build/src/backends/x11/zentavoro
target=$build/tools/x11-target/zentavoro-target
[ -x "$program" ] && [ -x "$target" ] || cmake --build "$build" -j2 --target zentavoro zentavoro-target >/dev/null

out=${ZENTAVORO_DEMO_OUT:-$root/out/demo}
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid="" openbox_pid="" target_pid="" program_pid=""

# The programs end before the server they draw on; ended the other way round, Qt and Xlib
# report the lost connection, which reads like a failure of the demonstration.
stop() { # stop PID: politely, then for good
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
finish() {
    set +e
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        # Closed as a user closes it, so that it lets go of the server itself.
        toolbar=$(xdotool search --onlyvisible --name 'ZENTAVORO  - ' 2>/dev/null | head -1)
        [ -n "$toolbar" ] && xdotool windowactivate --sync "$toolbar" key --window "$toolbar" alt+F4 >/dev/null 2>&1
        for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    fi
    stop "$program_pid"
    stop "$target_pid"
    stop "$openbox_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap finish EXIT

fifo="$work/displayfd"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
read -r number <"$fifo"
export DISPLAY=":$number"
# Qt wants a private runtime folder; without one it says so on every start.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox >/dev/null 2>&1 &
openbox_pid=$!
sleep 1

shot() { import -window root "$out/$1.png"; echo "  $out/$1.png: $2"; }

"$target" --title "Demo board" --geometry 620x520+0+0 --log "$work/target.log" &
target_pid=$!
sleep 1
export ZENTAVORO_INI=$work/Zentavoro.ini
printf '[Zentavoro]\r\nD\xc8CIMES DE SEGON QUE DURA EL PAS D'"'"'ESCANEIG=15\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n' > "$ZENTAVORO_INI"
cp assets/demo/demo.zvo "$work/"
# xdotool's presses stand for the user's switch here, as a software switch's would.
(cd "$work" && exec "$program" demo.zvo) &
program_pid=$!
echo "Zentavoro is scanning the demonstration window; screenshots:"
sleep 3.2
shot 1-scanning "the pointer and the red frame on a point, the toolbar hidden"
xdotool click 1
sleep 0.5
shot 2-switch-press "one switch press: the board logged a click at the point"
sleep 1.5
shot 3-next-point "the frame has moved on to the next point"
xdotool click 3
sleep 1
shot 4-stopped "the right button stopped scanning and the toolbar is back"
echo "What the board received:"
sed 's/^/  /' "$work/target.log"
echo
