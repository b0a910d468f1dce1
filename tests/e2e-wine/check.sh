#!/bin/bash
# The check before the click and the stop, on the Windows build under Wine: a calculator's
# keypad whose buttons stretch with the window, recorded with points that follow their
# window and the check on, enlarged by half and scanned: every click lands on the key
# recorded; covered by another window, no click, and the Space that stops is typed
# nowhere. A target that holds the mouse capture: the switch makes one click there, the
# right button and the stop keys stop, and the keys are not typed into it.
. "$(dirname "$0")/lib.sh"

TITLE="Calculadora"
KEY_CHECK='COMPROVAR EL PUNT ABANS DEL CLIC'

click_toolbar() {  # click_toolbar X Y: a click on a client point of the toolbar
    client_point "$1" "$2"
    xdotool mousemove "$CX" "$CY" sleep 0.2 click 1
}
# key_centre INDEX: the centre of the target's key (0 for 7, 1 for 8 ... 8 for 3) as it
# lays them out in its client area now; sets KX KY.
key_centre() {
    geometry "$APP"
    local cw=$(((WW - 20 + 6) / 3)) ch=$(((WH - 20 + 6) / 3))
    KX=$((WX + 10 + ($1 % 3) * cw + (cw - 6) / 2)) KY=$((WY + 10 + ($1 / 3) * ch + (ch - 6) / 2))
}
near_key() {  # near_key INDEX: the pointer within 4 px of the key's centre
    key_centre "$1"
    pointer
    [ $((PX - KX)) -le 4 ] && [ $((KX - PX)) -le 4 ] && [ $((PY - KY)) -le 4 ] && [ $((KY - PY)) -le 4 ]
}
shot() {
    command -v import >/dev/null && import -window root "$WORK/$1.png" 2>/dev/null
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] && mkdir -p "$ZENTAVORO_E2E_SHOTS" && cp "$WORK/$1.png" "$ZENTAVORO_E2E_SHOTS/" 2>/dev/null
    return 0
}

case_an_enlarged_calculator_has_its_keys_clicked_and_a_covered_one_none() {
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\n%s=S\xcd\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=0\r\n' \
        "$KEY_CHECK" "$KEY_INTERVAL" > "$INI"
    target_start "$TITLE" 100 120 260 290 grid
    APP=$(toolbar_window "$TITLE")
    zv_start
    zv_wait_toolbar
    # "Grabar": the second tool button.
    click_toolbar 37 14
    sleep 1
    local k
    for k in 0 1 4; do
        key_centre $k
        xdotool mousemove $KX $KY sleep 0.2 click 1 sleep 0.6
    done
    [ "$(target_count BUTTON)" -eq 0 ] || fail "recorded clicks pressed the calculator's keys"
    xdotool click 3
    local saved="$WORK/$TITLE.zvo"
    save_as_proposed "$saved"
    grep -aq '^//zv pictures 1' "$saved" && [ "$(grep -ac '^//zv picture [123] ' "$saved")" -eq 3 ] ||
        fail "the scan file holds no picture for each point: $(grep -a '^//zv pic' "$saved" | tr '\r\n' '  ')"
    zv_close "Zentavoro"

    # Enlarged by half: the keys grow with the window, their digits do not.
    geometry "$APP"
    local w0=$WW h0=$WH
    xdotool windowsize --sync "$APP" $((w0 * 3 / 2)) $((h0 * 3 / 2))
    larger() { geometry "$APP"; [ "$WW" -eq $((w0 * 3 / 2)) ] && [ "$WH" -eq $((h0 * 3 / 2)) ]; }
    wait_for 5 larger || fail "the calculator was not enlarged by half: ${WW}x${WH} from ${w0}x${h0}"
    sleep 0.5

    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\n%s=S\xcd\r\nESCANEIG DIRIGIT=S\xcd\r\n%s=0\r\n' \
        "$KEY_CHECK" "$KEY_INTERVAL" > "$INI"
    zv_start "$TITLE.zvo"
    local names=(7 8 5) keys=(0 1 4) i
    for i in 0 1 2; do
        wait_for 30 near_key "${keys[i]}" || fail "the pointer is not on the ${names[i]} ($KX,$KY) but at $PX,$PY"
        sleep 0.5
        shot "check-enlarged-${names[i]}"
        press_until 1 clicked "${names[i]}" 1 || fail "the switch did not click the ${names[i]}: $(tr '\n' ' ' < "$TARGET_LOG")"
        sleep 0.5
        xdotool click 3
        sleep 0.8
    done
    [ "$(target_count BUTTON)" -eq 3 ] || fail "not every click landed on its key: $(grep BUTTON "$TARGET_LOG" | tr '\n' ' ')"
    [ "$(target_count LDOWN)" -eq 0 ] || fail "a click missed the keys"

    # Another window in front, over the calculator.
    local cover_log="$WORK/cover.log"
    (cd "$WORK" && exec wine "$BIN/zentavoro-target.exe" Tapadera "$(windows_path "$cover_log")" 60 80 500 500 >/dev/null 2>&1) &
    wait_for 30 grep -q READY "$cover_log" || fail "the covering window did not start"
    wait_for 10 is_active "$(toolbar_window Tapadera)" || fail "the covering window is not in front"
    sleep 0.5
    # The next step places the 7, under the cover.
    xdotool click 3
    sleep 1
    shot check-covered
    xdotool click 1
    sleep 1
    [ "$(target_count BUTTON)" -eq 3 ] || fail "a key was clicked under the covering window"
    [ "$(grep -c ' LDOWN ' "$cover_log")" -eq 0 ] || fail "the covering window was clicked"
    xdotool key space
    wait_for 5 has_toolbar || fail "Space did not stop scanning"
    sleep 0.5
    [ "$(grep -c ' KEYDOWN 32$' "$cover_log")" -eq 0 ] || fail "the Space that stopped was typed into the window in front"
    zv_close
}

case_a_target_holding_the_capture_is_clicked_once_and_the_stops_stop() {
    printf '[Zentavoro]\r\n%s=0\r\n' "$KEY_INTERVAL" > "$INI"
    scan_file puntos.zvo 200,200
    target_start "Captura" 100 100 400 300 capture
    wait_for 10 grep -q ' CAPTURE 1$' "$TARGET_LOG" || fail "the target does not hold the capture"
    zv_start puntos.zvo
    wait_pointer_settled 30 200 200 || fail "scanning did not put the pointer on the point but at $PX,$PY"
    no_toolbar || fail "the toolbar is shown while scanning"
    sleep 0.5
    xdotool click 1
    wait_for 5 target_has 1 LDOWN || fail "the switch press made no click in the window holding the capture"
    sleep 1
    target_has 1 LDOWN || fail "one switch press made $(target_count LDOWN) clicks"
    xdotool click 3
    wait_for 5 has_toolbar || fail "the right button did not stop scanning while the target holds the capture"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button that stopped reached the target"
    zv_close

    # Space and Alt stop, with the target in front, and are not typed into it.
    local key code
    for key in space:32 alt:18; do
        code=${key#*:} key=${key%:*}
        # Away from the point, so that its placement shows that scanning has begun.
        xdotool mousemove 600 500
        zv_start puntos.zvo
        wait_pointer_settled 30 200 200 || fail "scanning did not start again"
        wait_for 5 is_active "$(toolbar_window Captura)" || fail "the target is not in front"
        sleep 0.5
        xdotool key "$key"
        wait_for 5 has_toolbar || fail "$key did not stop scanning"
        sleep 0.5
        [ "$(grep -c " KEYDOWN $code\$" "$TARGET_LOG")" -eq 0 ] || fail "the $key that stopped was typed into the target"
        zv_close
    done
}

begin_case
"case_$1"
