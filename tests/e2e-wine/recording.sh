#!/bin/bash
# Recording on the Windows build under Wine: three clicks in the target window caught by the
# hook library, saved under the target's title, and found again by window matching.
. "$(dirname "$0")/lib.sh"

TITLE="Carta de prueba"

case_recording_is_saved_under_the_title_and_found_again() {
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    target_start "$TITLE" 100 100 600 400
    zv_start
    zv_wait_toolbar
    # "Grabar": the second tool button (client 25, 2, 25 x 25).
    click_toolbar 37 14
    sleep 1
    local p
    for p in "250 220" "420 330" "610 260"; do
        xdotool mousemove $p sleep 0.2 click 1 sleep 0.6
    done
    # The hook took the presses: the target saw none of them.
    [ "$(target_count LDOWN)" -eq 0 ] || fail "recorded clicks reached the target"
    [ "$(ini_get LlibreriaZentavoro $'T\xcdTOL FINESTRA')" = "$TITLE" ] || fail "the recorded window title is '$(ini_get LlibreriaZentavoro $'T\xcdTOL FINESTRA')'"
    # The right button stops; the save dialog proposes the title.
    xdotool click 3
    save_as_proposed "$WORK/$TITLE.zvo"
    local expected
    expected=$(printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 3\r\n250,220\r\n420,330\r\n610,260\r\n')
    [ "$(cat "$WORK/$TITLE.zvo")" = "$expected" ] || fail "the scan file holds: $(od -c "$WORK/$TITLE.zvo" | head -8)"
    zv_close "Zentavoro"

    # A new run with no points: execution hides the toolbar, the target comes to the front
    # and the scan step finds the file named in its title.
    zv_start
    zv_wait_toolbar
    click_toolbar 12 14
    wait_pointer_at 30 250 220 || wait_pointer_at 5 420 330 || fail "window matching did not load and scan '$TITLE.zvo'"
    wait_pointer_at 5 610 260 || fail "the scan did not go on to the third recorded point"
}

case_screen_capture_recording_takes_clicks_on_the_snapshot() {
    # "Windows Vista": the clicks go to a full-screen picture of the screen, not to the target.
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\nMenuWindowsVista=SI\r\n' > "$INI"
    target_start "$TITLE" 100 100 600 400
    zv_start
    zv_wait_toolbar
    local w; w=$(toolbar_window)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    xdotool key ctrl+b
    wait_for 10 has_toolbar FormScreen || fail "no snapshot surface after Ctrl+B"
    geometry "$(toolbar_window FormScreen)"
    [ "$WX,$WY,$WW,$WH" = "0,0,$SCREEN_W,$SCREEN_H" ] || fail "the snapshot surface is at $WX,$WY ${WW}x$WH, not the whole screen"
    xdotool mousemove 300 200 sleep 0.2 click 1 sleep 0.4 mousemove 520 410 sleep 0.2 click 2 sleep 0.4 click 1 sleep 0.4
    [ "$(target_count LDOWN)" -eq 0 ] || fail "clicks on the snapshot reached the target"
    # The right button stops; the save dialog opens above the snapshot, which goes once the
    # click has been handled.
    xdotool click 3
    wait_for 15 has_toolbar "Guardar - Archivo Zentavoro" || fail "no save dialog after the stop"
    local dialog; dialog=$(toolbar_window "Guardar - Archivo Zentavoro")
    xdotool windowactivate --sync "$dialog" 2>/dev/null; sleep 0.5
    xdotool type --delay 50 "vista"
    xdotool key Return
    wait_for 10 test -f "$WORK/vista.zvo" || fail "no vista.zvo after the save: $(ls "$WORK")"
    wait_for 10 no_toolbar FormScreen || fail "the snapshot stayed after the save"
    # The left clicks only; the middle one records nothing.
    local expected
    expected=$(printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 2\r\n300,200\r\n520,410\r\n')
    [ "$(cat "$WORK/vista.zvo")" = "$expected" ] || fail "the scan file holds: $(od -c "$WORK/vista.zvo" | head -8)"
}

begin_case
"case_$1"
