#!/bin/bash
# Scanning on the Windows build under Wine: a scan file from the command line, the switch
# (a real button press from the X server, not injected as far as Wine knows), the minimum
# interval, the stop by the right button, and directed scanning by keys.
. "$(dirname "$0")/lib.sh"

# The target window spans (100,100)-(700,500); the points lie inside it.
start_target() { target_start "Target window" 100 100 600 400; }

case_scan_file_is_scanned_at_its_pace_exactly_on_its_points() {
    printf '[Zentavoro]\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    scan_file puntos.zvo 200,200 400,250 600,300
    start_target
    zv_start puntos.zvo
    # Scanning hides the toolbar; the pointer then visits the points every 500 ms.
    wait_pointer_at 30 200 200 || wait_pointer_at 5 400 250 || fail "the pointer never reached a point"
    no_toolbar || fail "the toolbar is shown while scanning"
    pointer_trace 4000 "$WORK/trace"
    # Each placement moves to the point, one pixel off and back (10 ms each): only those
    # three positions per point may appear.
    local arrivals
    arrivals=$(awk '
        function point(x, y) { return (x==200&&y==200) ? 0 : (x==400&&y==250) ? 1 : (x==600&&y==300) ? 2 : -1 }
        { p = point($2, $3); q = point($2 - 1, $3 - 1)
          if (p < 0 && q < 0) { print "stray " $2 "," $3; next }
          if (p >= 0 && p != last) { print $1, p; last = p } }' "$WORK/trace")
    echo "$arrivals" | grep -q stray && fail "the pointer stood off the points: $(echo "$arrivals" | grep stray | head -3 | tr '\n' ' ')"
    local n; n=$(echo "$arrivals" | wc -l)
    [ "$n" -ge 6 ] && [ "$n" -le 10 ] || fail "$n arrivals in 4 s at 500 ms a step: $(echo "$arrivals" | tr '\n' ' ')"
    # In order, one step after the other, at the pace.
    echo "$arrivals" | awk 'NR > 1 { if ($2 != (prev + 1) % 3) { print "order " prev "->" $2; exit 1 }
                                      gap = $1 - t; if (gap < 350 || gap > 700) { print "gap " gap; exit 1 } }
                            { prev = $2; t = $1 }' >"$WORK/check" || fail "steps out of order or pace: $(cat "$WORK/check")"
    [ "$(target_count LDOWN)" -eq 0 ] || fail "scanning alone clicked"
}

case_switch_press_clicks_once_at_the_point_and_the_interval_filters() {
    # 2 s a step, 1 s minimum interval between clicks.
    printf '[Zentavoro]\r\n%s=20\r\n%s=10\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    scan_file puntos.zvo 300,300 500,350
    start_target
    zv_start puntos.zvo
    wait_pointer_at 30 300 300 || fail "the pointer never reached the first point"
    sleep 0.3
    xdotool click 1
    wait_for 3 grep -q " LUP " "$TARGET_LOG" || fail "the switch press made no click in the target"
    # A second press 300 ms later falls inside the minimum interval.
    sleep 0.3
    xdotool click 1
    sleep 1
    [ "$(target_count LDOWN)" -eq 1 ] && [ "$(target_count LUP)" -eq 1 ] || fail "two presses within the interval gave $(target_count LDOWN) presses and $(target_count LUP) releases in the target"
    grep -q " LDOWN 300 300$" "$TARGET_LOG" || fail "the click did not land on the point (300,300)"
    # The dropped press started the interval again; 1.5 s after it a press clicks again.
    sleep 0.6
    xdotool click 1
    wait_for 3 target_has 2 LDOWN || fail "a press after the interval did not click"
}

case_right_button_stops_scanning_and_shows_the_toolbar() {
    printf '[Zentavoro]\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    scan_file puntos.zvo 200,200 400,250 600,300
    start_target
    zv_start puntos.zvo
    wait_pointer_at 30 400 250 || fail "the pointer never reached the second point"
    no_toolbar || fail "the toolbar is shown while scanning"
    xdotool click 3
    wait_for 5 has_toolbar || fail "the right button did not bring the toolbar back"
    sleep 0.3
    pointer_trace 1500 "$WORK/trace"
    [ "$(wc -l < "$WORK/trace")" -eq 1 ] || fail "the pointer still moves after the stop: $(tr '\n' ' ' < "$WORK/trace")"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
    zv_close
}

case_directed_scanning_follows_keys_and_the_right_button() {
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\n' > "$INI"
    scan_file puntos.zvo 200,200 400,250 600,300
    start_target
    zv_start puntos.zvo
    # Directed: one step at the start, then only when told.
    wait_pointer_settled 30 200 200 || fail "directed scanning did not place the pointer on point 0"
    sleep 1.5
    at_point 200 200 || fail "the pointer moved by itself in directed scanning"
    local w; w=$(xdotool search --name "Target window" | head -1)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    # Key 2 jumps to point 2.
    xdotool key 2
    wait_pointer_settled 3 600 300 || fail "key 2 did not move the pointer to point 2"
    # The right button makes one step: after point 2 comes point 0.
    xdotool click 3
    wait_pointer_settled 3 200 200 || fail "the right button did not step to point 0"
    # The right arrow steps as well (once for each two reports, as the dispatcher counts them).
    xdotool key Right
    wait_pointer_settled 3 400 250 || fail "the right arrow did not step to point 1"
    # The keyboard hook only listens: the keys reached the target too.
    grep -q " KEYDOWN 50$" "$TARGET_LOG" || fail "key 2 did not reach the target"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
    # Space stops.
    xdotool key space
    wait_for 5 has_toolbar || fail "space did not stop scanning"
}

case_a_held_key_is_one_press() {
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\n' > "$INI"
    scan_file puntos.zvo 200,200 400,250 600,300
    start_target
    zv_start puntos.zvo
    wait_pointer_at 30 200 200 || fail "directed scanning did not place the pointer on point 0"
    local w; w=$(xdotool search --name "Target window" | head -1)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    # The right arrow held for two seconds: the X server repeats it, the hook reports one
    # press, so the pointer makes one step; each repeat reported would be another step.
    xdotool keydown Right
    pointer_trace 2000 "$WORK/trace"
    xdotool keyup Right
    [ "$(target_count KEYREPEAT)" -gt 3 ] || skip "the X server did not repeat the held key"
    sleep 0.5
    at_point 400 250 || fail "a held right arrow did not end on point 1: $(tr '\n' ' ' < "$WORK/trace")"
    [ "$(awk '$2 == 400 && $3 == 250' "$WORK/trace" | wc -l)" -eq 1 ] || fail "the pointer came to point 1 more than once: $(tr '\n' ' ' < "$WORK/trace")"
    ! grep -q " 600 300$" "$WORK/trace" || fail "a held key made more than one step: $(tr '\n' ' ' < "$WORK/trace")"
}

case_pointer_catcher_takes_keys_and_clicks_through() {
    # "Windows Vista" with directed scanning: no hook; a one-pixel window under the pointer
    # takes the keys and the clicks and passes the click on to the window below.
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\nMenuWindowsVista=SI\r\n' > "$INI"
    scan_file puntos.zvo 200,200 400,250 600,300
    start_target
    zv_start puntos.zvo
    wait_pointer_settled 30 200 200 || fail "the pointer never reached point 0"
    wait_for 5 has_toolbar FormMouse || fail "no pointer catcher"
    geometry "$(toolbar_window FormMouse)"
    [ "$WX,$WY,$WW,$WH" = "200,200,1,1" ] || fail "the pointer catcher is at $WX,$WY ${WW}x$WH, not on the point"
    sleep 0.5
    # Keys go to the catcher, which is in front: Right steps, 2 jumps to point 2.
    xdotool key Right
    wait_pointer_settled 3 400 250 || fail "the right arrow did not step to point 1"
    xdotool key 2
    wait_pointer_settled 3 600 300 || fail "key 2 did not jump to point 2"
    # Return clicks through at the pointer, in the target underneath.
    xdotool key Return
    wait_for 5 target_has 1 LDOWN || fail "Return did not click through"
    grep -q " LDOWN 600 300$" "$TARGET_LOG" || fail "the click landed elsewhere: $(grep LDOWN "$TARGET_LOG")"
}

case_any_key_is_the_switch_and_never_reaches_the_target() {
    printf '[Zentavoro]\r\n%s=20\r\n%s=0\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    scan_file puntos.zvo 300,300 500,350
    start_target
    zv_start
    zv_wait_toolbar
    local w; w=$(toolbar_window)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    # Opciones, then down to its fourth entry: "Clic prement qualsevol tecla".
    xdotool key alt+o sleep 0.4 key Down Down Down sleep 0.2 key Return
    sleep 0.5
    [ "$(ini_get Zentavoro 'QUALSEVOL TECLA')" = $'S\xcd' ] || fail "the any-key option was not switched on: '$(ini_get Zentavoro 'QUALSEVOL TECLA')'"
    # Archivo > Abrir..., the scan file by name: it loads and scanning starts.
    xdotool key alt+a sleep 0.4 key a
    wait_for 15 has_toolbar "Abrir - Archivo Zentavoro" || fail "no open dialog"
    xdotool windowactivate --sync "$(toolbar_window "Abrir - Archivo Zentavoro")" 2>/dev/null; sleep 0.4
    xdotool type --delay 50 puntos.zvo
    xdotool key Return
    wait_pointer_settled 30 300 300 || fail "the opened scan file was not scanned"
    w=$(xdotool search --name "Target window" | head -1)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    grep -c KEY "$TARGET_LOG" > "$WORK/keys-before"
    xdotool key x
    wait_for 3 target_has 1 LDOWN || fail "a key press made no click"
    grep -q " LDOWN 300 300$" "$TARGET_LOG" || fail "the click landed elsewhere: $(grep LDOWN "$TARGET_LOG")"
    sleep 0.5
    [ "$(grep -c KEY "$TARGET_LOG")" = "$(cat "$WORK/keys-before")" ] || fail "the key reached the target: $(grep KEY "$TARGET_LOG" | tail -3)"
}

begin_case
"case_$1"
