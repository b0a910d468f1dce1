#!/bin/bash
# The switch on the Windows build under Wine: every press reported once in every hook mode,
# the program's own Return never coming back as a press, and the right button stopping
# recording after recording. xdotool's presses reach Wine as input from the X server, which
# stands for a physical switch and for a software switch alike.
. "$(dirname "$0")/lib.sh"

case_every_press_is_reported_once_in_each_hook_mode() {
    [ -f "$BIN/zentavoro-hook-stress.exe" ] || skip "no zentavoro-hook-stress.exe in $BIN"
    local mode press out
    for mode in recording execution keyboard anykey; do
        rm -f "$WORK/ready"
        out="$WORK/stress-$mode"
        (cd "$WORK" && ZENTAVORO_INI=$(windows_path "$WORK/stress-$mode.ini") \
            exec wine "$BIN/zentavoro-hook-stress.exe" "$mode" 20 "$(windows_path "$WORK/ready")" >"$out" 2>>"$WORK/wine.log") &
        local pid=$!
        wait_for 30 test -f "$WORK/ready" || fail "the $mode hook did not get ready"
        # Over the tool's own window: Wine's hooks see what reaches a Wine window.
        xdotool mousemove 250 200
        if [ "$mode" = keyboard ] || [ "$mode" = anykey ]; then
            xdotool windowactivate --sync "$(xdotool search --name '^zentavoro-hook-stress$' | head -1)" 2>/dev/null
            press="key x"
        else
            press="click 1"
        fi
        sleep 0.3
        for _ in $(seq 20); do xdotool $press; sleep 0.03; done
        wait_for 20 zv_pid_ended "$pid" || fail "the $mode run did not end"
        [ "$(tr -d "\r" <"$out")" = "reports 20 mailbox 20 timed 20" ] || fail "$mode: 20 presses gave '$(cat "$out")'"
        note "$mode: $(cat "$out")"
    done
}
zv_pid_ended() { ! kill -0 "$1" 2>/dev/null; }

case_a_press_carries_the_moment_of_its_event() {
    # The program judges a press by the moment it was made, which the hook's event carries
    # in GetTickCount's milliseconds: a click stamped 300 ms in the past is reported so.
    [ -f "$BIN/zentavoro-hook-stress.exe" ] || skip "no zentavoro-hook-stress.exe in $BIN"
    local out
    out=$(cd "$WORK" && ZENTAVORO_INI=$(windows_path "$WORK/stamped.ini") wine "$BIN/zentavoro-hook-stress.exe" stamped 1 \
        "$(windows_path "$WORK/ready")" 2>>"$WORK/wine.log" | tr -d '\r')
    [ "$out" = "stamped 0" ] || fail "the report's time is off its event's by: '$out'"
    [ ! -e "$WORK/stamped.ini" ] || fail "the library wrote a settings file"
}

case_tabs_and_return_with_no_interval_sends_one_return_per_press() {
    # Directed scanning reads the keys the hook reports: a Return of the program's own
    # reported back would press Return again, for ever.
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\nENVIAR TABS I RETURN=S\xcd\r\n%s=0\r\n' "$KEY_INTERVAL" > "$INI"
    scan_file puntos.zvo 300,300 500,350
    target_start "Target window" 100 100 600 400
    zv_start puntos.zvo
    # The first step sends the Tab of Tabs-and-Return mode.
    wait_for 30 grep -q ' KEYDOWN 9$' "$TARGET_LOG" || fail "scanning did not start"
    local w; w=$(xdotool search --name "Target window" | head -1)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.5
    xdotool mousemove 400 400
    local n
    for n in 1 2 3; do
        xdotool click 1
        wait_for 3 test "$(grep -c ' KEYDOWN 13$' "$TARGET_LOG")" -ge "$n" || fail "press $n sent no Return"
        sleep 0.5
    done
    sleep 1
    [ "$(grep -c ' KEYDOWN 13$' "$TARGET_LOG")" -eq 3 ] || fail "3 presses sent $(grep -c ' KEYDOWN 13$' "$TARGET_LOG") Returns"
    [ "$(target_count LDOWN)" -eq 0 ] || fail "the switch's own presses reached the target"
}

case_twenty_recordings_in_a_row_all_stop_at_the_right_button() {
    target_start "Target window" 100 100 600 400
    zv_start
    zv_wait_toolbar
    local i w clicks
    for i in $(seq 20); do
        w=$(toolbar_window "Zentavoro")
        xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
        xdotool key ctrl+b
        sleep 0.4
        # A recorded click, then the stop.
        xdotool mousemove 300 300 click 1
        sleep 0.2
        xdotool click 3
        sleep 0.4
        # Stopped: the hook is gone and a click reaches the target again.
        clicks=$(target_count LDOWN)
        xdotool mousemove 320 320 click 1
        wait_for 3 target_has $((clicks + 1)) LDOWN || fail "recording $i did not stop at the right button"
        [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button of recording $i reached the target"
    done
    note "20 recordings, 20 stops"
}

begin_case
"case_$1"
