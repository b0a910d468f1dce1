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

out=$root/out/demo
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
sleep 1

shot() { import -window root "$out/$1.png"; echo "  $out/$1.png: $2"; }

"$target" --title "Demo board" --geometry 620x520+0+0 --log "$work/target.log" &
sleep 1
export ZENTAVORO_INI=$work/Zentavoro.ini
printf '[Zentavoro]\r\nD\xc8CIMES DE SEGON QUE DURA EL PAS D'"'"'ESCANEIG=15\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n' > "$ZENTAVORO_INI"
cp assets/demo/demo.zvo "$work/"
# xdotool's presses stand for the user's switch here, as a software switch's would.
(cd "$work" && exec "$program" demo.zvo) &
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
