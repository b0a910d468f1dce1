#!/usr/bin/env bash
# End-to-end test of libLlibreriaZentavoro.so under Xvfb, with or without a window manager.
#   hooklib_test.sh <test driver> <test window> <none|openbox>
# The driver stands for the program (it calls the seven operations, takes the reports into
# a mailbox of its own, announces its own synthesised events and counts the library's
# wake-ups), two test
# windows stand for the application and log the presses that reach them, and xdotool
# plays the user: its XTest input is what a software switch sends on a user's desktop.
set -u
# Bytes, not characters: the mailbox holds code page 1252, which is not valid UTF-8.
export LC_ALL=C
[ -n "${HOOKLIB_TEST_TRACE:-}" ] && set -x

driver=$1 window=$2 wm=$3

for tool in xvfb-run Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if [ "$wm" = openbox ] && ! command -v openbox >/dev/null; then
    echo "skipped: openbox is not installed"
    exit 77
fi
if [ -z "${HOOKLIB_TEST_UNDER_XVFB:-}" ]; then
    export HOOKLIB_TEST_UNDER_XVFB=1
    exec "$(dirname "$0")/../../under_xvfb.sh" "$0" "$@"
fi

tmp=$(mktemp -d)
export ZENTAVORO_INI=$tmp/Zentavoro.ini
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

failures=0
pass() { echo "ok - $1"; }
fail() { echo "FAIL - $1"; failures=$((failures + 1)); }
check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}

if [ "$wm" = openbox ]; then
    # Openbox names itself on the root before it manages new windows; its start-up
    # command runs once it does.
    openbox --sm-disable --startup "touch $tmp/openbox-ready" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        [ -e "$tmp/openbox-ready" ] && break
        sleep 0.1
    done
fi

# Two application windows: one named the modern way (UTF-8, with a character that code
# page 1252 keeps at 0x80), one with a Latin-1 WM_NAME only.
title_a='Finestra de prova àé €'
title_a_cp1252=$'Finestra de prova \xe0\xe9 \x80'
title_b='Guió'
title_b_cp1252=$'Gui\xf3'
"$window" "$title_a" 100 100 >"$tmp/a.log" &
pids+=($!)
"$window" "$title_b" 450 100 icccm >"$tmp/b.log" &
pids+=($!)
for _ in $(seq 100); do
    grep -q mapped "$tmp/a.log" && grep -q mapped "$tmp/b.log" && break
    sleep 0.1
done
win_a=$(awk '/mapped/ {print $2}' "$tmp/a.log")
win_b=$(awk '/mapped/ {print $2}' "$tmp/b.log")
[ -n "$win_a" ] && [ -n "$win_b" ] || {
    echo "FAIL - the test windows did not appear"
    head "$tmp/a.log" "$tmp/b.log"
    exit 1
}
sleep 0.3

errors=$tmp/driver.err
start_driver() { # extra environment assignments; the driver's stderr goes to $errors
    coproc DRIVER { env "$@" "$driver" 2>>"$errors"; }
    pids+=($DRIVER_PID)
}
stop_driver() {
    [ -n "${DRIVER[1]:-}" ] && echo quit >&"${DRIVER[1]}"
    wait "$DRIVER_PID" 2>/dev/null
}
say() { # one command to the driver; its answer in $reply
    reply=
    if [ -z "${DRIVER[1]:-}" ]; then
        fail "the driver had ended before '$1' (see $(basename "$errors"): $(tail -n 1 "$errors"))"
        return 1
    fi
    echo "$1" >&"${DRIVER[1]}"
    IFS= read -r -t 5 reply <&"${DRIVER[0]}"
}
slow_calls=0
call() { # one of the seven operations; it must answer "ok" within two seconds
    say "$1"
    case $reply in
    "ok $1 "*) [ "${reply##* }" -lt 2000 ] || slow_calls=$((slow_calls + 1)) ;;
    *) fail "$1 answered '$reply'" ;;
    esac
}
get() { say "get $1"; value=${reply#value }; }
put() { say "set $1 $2"; }
becomes() { # key, value: the key holds the value within three seconds
    for _ in $(seq 60); do
        get "$1"
        [ "$value" = "$2" ] && return 0
        sleep 0.05
    done
    echo "    $1 is '$value', expected '$2'"
    return 1
}
stays() { # key, value: the key still holds the value after a while
    sleep 0.4
    get "$1"
    [ "$value" = "$2" ] || { echo "    $1 is '$value', expected '$2'"; return 1; }
}
log_count() { grep -c -x -- "$2" "$1"; }
log_gets() { # log, line: the line arrives in the log within three seconds
    for _ in $(seq 60); do
        grep -q -x -- "$2" "$1" && return 0
        sleep 0.05
    done
    return 1
}
log_gets_count() { # log, line, count: that many such lines within three seconds
    for _ in $(seq 60); do
        [ "$(log_count "$1" "$2")" -ge "$3" ] && return 0
        sleep 0.05
    done
    return 1
}
log_lacks() { sleep 0.2; ! grep -q -x -- "$2" "$1"; }
title=$'T\xcdTOL FINESTRA'
clock() { say clock; echo "${reply#clock }"; }
# The last report's moment lies at or after the first reading of the tick count and at
# least the given milliseconds before the second: the moment of the event, not of its taking.
stamped() { # before, after, least milliseconds before "after"
    say last-time
    local t=${reply#time } before=$1 after=$2 least=$3
    local from_before=$(((t - before) & 0xFFFFFFFF)) to_after=$(((after - t) & 0xFFFFFFFF))
    echo "    stamped $from_before ms after the first reading, $to_after ms before the second"
    [ "$from_before" -le $((after - before)) ] && [ "$to_after" -ge "$3" ]
}

click_on() { # window, button; one connection, so the move is done before the press
    xdotool mousemove --window "$1" 60 60 click "$2"
}

# --- The user's input -----------------------------------------------------------------
start_driver

put CLIC 0
call SetHookExecucio
t0=$(clock)
click_on "$win_a" 1
sleep 0.5
check "the execution hook reports a left press as CLIC=1" becomes CLIC 1
t1=$(clock)
check "the press carries the moment of its event in the program's tick count" stamped "$t0" "$t1" 400
check "the left press does not reach the application" log_lacks "$tmp/a.log" "button 1"
check "the execution hook leaves the window title alone" stays "$title" "<none>"
put CLIC 0
click_on "$win_a" 3
check "a right press is reported as CLIC=2" becomes CLIC 2
check "the right press does not reach the application" log_lacks "$tmp/a.log" "button 3"

call UnHookHook
put CLIC 0
click_on "$win_a" 1
check "without the mouse hook the press reaches the application" log_gets "$tmp/a.log" "button 1"
check "without the mouse hook nothing is reported" stays CLIC 0

put CLIC 0
call SetHookGrabacio
click_on "$win_a" 1
check "the recording hook reports the left press" becomes CLIC 1
check "it writes the UTF-8 title of the window under the pointer in code page 1252" \
    becomes "$title" "$title_a_cp1252"
put CLIC 0
click_on "$win_b" 1
check "a Latin-1 WM_NAME title is written too" becomes "$title" "$title_b_cp1252"
check "the second recorded press is reported" becomes CLIC 1
put CLIC 0
click_on "$win_a" 3
check "a right press while recording is reported as CLIC=2" becomes CLIC 2
check "the right press (the stop) leaves the title of the recorded window" stays "$title" "$title_b_cp1252"
put CLIC 0
xdotool mousemove 1000 740 click 1
check "a press on the bare desktop is reported" becomes CLIC 1
check "and gives an empty title" becomes "$title" ""
check "no recorded press reached the application" \
    test "$(log_count "$tmp/a.log" "button 1")$(log_count "$tmp/b.log" "button 1")" = "10"

put "$title" kept
put CLIC 0
call SetHookExecucio
click_on "$win_a" 1
check "the execution hook replaces the recording hook" becomes CLIC 1
check "and no longer writes the title" stays "$title" kept
call UnHookHook

# The keyboard hook listens: every key is reported and still reaches the application.
xdotool windowfocus --sync "$win_a"
call SetHookKeyboard
for pair in a:65 space:32 Return:13 Tab:9 Right:39 KP_Add:107 Escape:27 F5:116 7:55 Alt_L:18 \
    BackSpace:8 Delete:46 Left:37 Up:38 Down:40 Shift_L:16 Control_L:17; do
    key=${pair%%:*} vk=${pair##*:}
    put KEYBOARD 0
    xdotool key "$key"
    check "the keyboard hook reports $key as $vk" becomes KEYBOARD "$vk"
done
check "the listened keys reach the application" log_gets "$tmp/a.log" "key KP_Add"

put KEYBOARD 0
t0=$(clock)
xdotool keydown b
sleep 0.5
check "a key held down is reported" becomes KEYBOARD 66
t1=$(clock)
check "the key carries the moment of its event in the program's tick count" stamped "$t0" "$t1" 400
put KEYBOARD 0
sleep 1.2
xdotool keydown b # a second press without a release
check "neither its auto-repeat nor a second press before the release is reported again" stays KEYBOARD 0
xdotool keyup b
check "the held key repeated in the application meanwhile" test "$(log_count "$tmp/a.log" "key b")" -ge 2
xdotool key b
check "after the release the key is reported again" becomes KEYBOARD 66

call UnHookKeyboard
put KEYBOARD 0
xdotool key c
check "without the keyboard hook keys are not reported" stays KEYBOARD 0

# The any-key hook takes the keys it reports.
put CLIC 0
call SetHookQualsevolTecla
xdotool key x
check "the any-key hook reports a key as CLIC=1" becomes CLIC 1
check "the key does not reach the application" log_lacks "$tmp/a.log" "key x"
put CLIC 0
xdotool keydown y
check "a key held under the any-key hook is reported" becomes CLIC 1
put CLIC 0
sleep 1.2
check "its auto-repeat is not" stays CLIC 0
xdotool keyup y
check "nor does it reach the application" log_lacks "$tmp/a.log" "key y"
call SetHookKeyboard
put CLIC 0
put KEYBOARD 0
xdotool key z
check "with both keyboard hooks a taken key is a switch press" becomes CLIC 1
check "and its code is reported too" becomes KEYBOARD 90
call UnHookKeyboard
call UnHookQualsevolTecla
put CLIC 0
xdotool key w
check "without the any-key hook keys reach the application" log_gets "$tmp/a.log" "key w"
check "and are not reported" stays CLIC 0
stop_driver

# --- The program's own input is never reported; everything else is -----------------
reports() { say reports; echo "${reply#reports }"; }
start_driver
put CLIC 0
put KEYBOARD 0
call SetHookExecucio
say "own-button 1"
click_on "$win_b" 1
check "an announced press of the program's own is not reported" stays CLIC 0
click_on "$win_b" 1
check "the next press, not announced, is the user's" becomes CLIC 1
put CLIC 0
# The program's bracket: unhook, synthesise, hook again.
call UnHookHook
say "own-button 1"
clicks_before=$(log_count "$tmp/b.log" "button 1")
click_on "$win_b" 1
call SetHookExecucio
check "a click synthesised between UnHookHook and SetHookExecucio reaches the application" \
    test "$(log_count "$tmp/b.log" "button 1")" -gt "$clicks_before"
check "and is not reported" stays CLIC 0
click_on "$win_b" 1
check "the user's press right after the bracket is reported: the bracket's announcement is gone" becomes CLIC 1
call UnHookHook

xdotool windowfocus --sync "$win_a"
call SetHookKeyboard
put KEYBOARD 0
say "own-key a"
xdotool key a
check "an announced key of the program's own is not reported" stays KEYBOARD 0
xdotool key a
check "the same key again, not announced, is" becomes KEYBOARD 65
call UnHookKeyboard
put CLIC 0
call SetHookQualsevolTecla
say "own-key q"
xdotool key q
check "the program's own key passes the any-key hook to the application" log_gets "$tmp/a.log" "key q"
check "without being reported" stays CLIC 0
sleep 0.3
xdotool key q
check "once the program's keys are through, the any-key hook takes keys again" becomes CLIC 1
check "and the application does not get them" test "$(log_count "$tmp/a.log" "key q")" = 1
call UnHookQualsevolTecla

# A switch held down while the program takes the buttons away to click: the library waits
# for the release, or the grab the press started would take the program's click.
call SetHookExecucio
put CLIC 0
xdotool mousemove --window "$win_b" 60 60 mousedown 1
check "a held press is reported at once" becomes CLIC 1
(sleep 0.5; xdotool mouseup 1) &
say UnHookHook
held_ms=${reply##* }
check "taking the buttons away waits for the release of the held press ($held_ms ms)" \
    test "$held_ms" -ge 400 -a "$held_ms" -lt 1500
clicks_before=$(log_count "$tmp/b.log" "button 1")
xdotool click 1
check "and the click that follows reaches the application" \
    log_gets_count "$tmp/b.log" "button 1" $((clicks_before + 1))

# --- Every press once: 20 in a row in each hook mode, one wake-up each ---------------
presses_reported() { # mode-operation, then the xdotool command of one press
    local op=$1 before after
    shift
    call "$op"
    sleep 0.2
    before=$(reports)
    for _ in $(seq 20); do "$@"; sleep 0.03; done
    sleep 0.5
    after=$(reports)
    echo "    $op: $((after - before)) reports for 20 presses"
    test $((after - before)) = 20
}
xdotool mousemove --window "$win_a" 60 60
check "recording: 20 presses, 20 reports" presses_reported SetHookGrabacio xdotool click 1
check "execution: 20 presses, 20 reports" presses_reported SetHookExecucio xdotool click 1
call UnHookHook
check "keyboard: 20 keys, 20 reports" presses_reported SetHookKeyboard xdotool key x
call UnHookKeyboard
check "any key: 20 keys, 20 reports" presses_reported SetHookQualsevolTecla xdotool key x
call UnHookQualsevolTecla
stop_driver

check "every operation answered within two seconds" test "$slow_calls" = 0
check "the library wrote no file: its reports travel in memory" test ! -e "$ZENTAVORO_INI"
check "the library wrote nothing on stderr with a display" test ! -s "$tmp/driver.err"

# --- Another program holds the left button on the root --------------------------------
# The refused grab is an X error on the library's connection: it must neither end the
# program (Xlib's default error handler would) nor cost the right button.
"$window" "Other" 700 450 grab-button-1 >"$tmp/c.log" &
pids+=($!)
log_gets "$tmp/c.log" "mapped [0-9]*"
errors=$tmp/refused.err
start_driver
put CLIC 0
call SetHookExecucio
click_on "$win_a" 3
check "with the left button held elsewhere the right one is still taken and reported" becomes CLIC 2
put CLIC 0
click_on "$win_a" 1
check "the left press goes to the program that holds it" log_gets "$tmp/c.log" "button 1"
check "and is reported all the same, seen raw" becomes CLIC 1
call UnHookHook
stop_driver
check "the refused grab is said on stderr" grep -q "cannot take mouse button 1" "$errors"

# --- No display: the operations do nothing and say so once ----------------------------
errors=$tmp/nodisplay.err
start_driver -u DISPLAY
for op in SetHookExecucio SetHookKeyboard UnHookHook; do call "$op"; done
stop_driver
check "without a display the library says so once on stderr" \
    test "$(grep -c 'cannot open the X display' "$errors")" = 1

# --- The X server goes away: the library says so once and the program goes on ----------
errors=$tmp/lost.err
for _ in $(seq 50); do
    lost_display=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$lost_display-lock" ] || [ -e "/tmp/.X11-unix/X$lost_display" ] || break
done
Xvfb ":$lost_display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
lost_server=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$lost_display" ] && break; sleep 0.1; done
start_driver DISPLAY=":$lost_display"
call SetHookExecucio
call SetHookQualsevolTecla
kill "$lost_server"
wait "$lost_server" 2>/dev/null
sleep 0.5
for op in UnHookHook SetHookKeyboard UnHookQualsevolTecla; do call "$op"; done
say reports
check "after the server went away the program's calls still answer" test "${reply%% *}" = reports
stop_driver
status=$?
check "the driver ended by itself, not by a signal" test "$status" -lt 128
check "the library said once that the connection is lost" \
    test "$(grep -c 'connection to the X server is lost' "$errors")" = 1

[ "$failures" = 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
