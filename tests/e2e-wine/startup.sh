#!/bin/bash
# Start-up, the single instance and closing, on the Windows build under Wine.
. "$(dirname "$0")/lib.sh"

case_toolbar_at_top_right() {
    zv_start
    zv_wait_toolbar
    local w; w=$(toolbar_window)
    case "$(xdotool getwindowname "$w")" in
        "ZENTAVORO  - "*" - "*) ;;
        *) fail "the title does not begin with the marker: '$(xdotool getwindowname "$w")'" ;;
    esac
    geometry "$w"
    note "toolbar at $WX,$WY size ${WW}x$WH"
    # The window manager's frame lies around what X reports, a few pixels at most.
    [ $((SCREEN_W - (WX + WW))) -ge 0 ] && [ $((SCREEN_W - (WX + WW))) -le 12 ] || fail "right edge at $((WX + WW)), not at $SCREEN_W"
    [ "$WY" -le 60 ] || fail "top at $WY, not at the top of the screen"
    [ "$WW" -le 170 ] && [ "$WW" -ge 140 ] || fail "width $WW, not about 165"
    zv_close
}

case_second_start_brings_the_first_to_front() {
    zv_start
    zv_wait_toolbar
    local first=$ZV_PID
    local target_title="Another window"
    target_start "$target_title" 50 300 400 300
    [ "$(xdotool getactivewindow getwindowname)" = "$target_title" ] || fail "the target window is not in front"
    local before; before=$(stat -c '%Y %s %i' "$INI" 2>/dev/null; md5sum "$INI" 2>/dev/null)
    sleep 1.1
    local started=$SECONDS
    (cd "$WORK" && timeout 60 wine "$BIN/Zentavoro.exe" >/dev/null 2>&1)
    local status=$?
    [ $status -eq 0 ] || fail "the second start ended with $status"
    [ $((SECONDS - started)) -le 10 ] || fail "the second start took $((SECONDS - started)) s"
    # In front for Windows: the target window was told it is no longer the active one.
    wait_for 5 grep -q " ACTIVATE 0" "$TARGET_LOG" || fail "the target window stayed the active one"
    # In front for the X server too, where the window manager lets it happen.
    case "$(xdotool getactivewindow getwindowname)" in
        "ZENTAVORO  - "*) note "the toolbar is the active X window" ;;
        *) note "the window manager kept '$(xdotool getactivewindow getwindowname)' active" ;;
    esac
    [ "$(xdotool search --onlyvisible --name "$MARKER" | wc -l)" -eq 1 ] || fail "more than one toolbar"
    local after; after=$(stat -c '%Y %s %i' "$INI" 2>/dev/null; md5sum "$INI" 2>/dev/null)
    [ "$before" = "$after" ] || fail "the second start touched the settings file"
    ZV_PID=$first
    zv_running || fail "the first instance ended"
    zv_close
}

case_closing_writes_the_settings() {
    # A stored width of 200 and odd values that start-up corrects.
    ini_write <<'INI'
[Zentavoro]
DÈCIMES DE SEGON QUE DURA EL PAS D'ESCANEIG=7
DÈCIMES DE SEGON QUE DURA L'INTERVAL DE TEMPS ENTRE 2 CLICS=250
[Posicio Finestra]
Width=200
Height=95
INI
    zv_start
    zv_wait_toolbar
    local w; w=$(toolbar_window)
    geometry "$w"
    [ $((SCREEN_W - (WX + WW))) -le 12 ] || fail "a 200 wide window is not against the right edge (right edge $((WX + WW)))"
    [ "$WW" -ge 185 ] && [ "$WW" -le 200 ] || fail "width $WW, not about 200"
    zv_close
    local key_step=$KEY_STEP key_interval=$KEY_INTERVAL
    [ "$(ini_get Zentavoro "$key_step")" = 7 ] || fail "scan step written as '$(ini_get Zentavoro "$key_step")'"
    [ "$(ini_get Zentavoro "$key_interval")" = 10 ] || fail "click interval written as '$(ini_get Zentavoro "$key_interval")'"
    [ "$(ini_get 'Posicio Finestra' Width)" = 200 ] || fail "width written as '$(ini_get 'Posicio Finestra' Width)'"
    [ "$(ini_get 'Posicio Finestra' Height)" = 95 ] || fail "height written as '$(ini_get 'Posicio Finestra' Height)'"
    [ "$(ini_get Zentavoro MenuWindowsVista)" = NO ] || fail "MenuWindowsVista not written"
    ini_get LlibreriaZentavoro $'T\xcdTOL FINESTRA' >/dev/null || fail "the window title key was not emptied"
    [ -z "$(ini_get LlibreriaZentavoro $'T\xcdTOL FINESTRA')" ] || fail "the window title key is not empty"
}

case_spin_boxes_persist_across_a_restart() {
    zv_start
    zv_wait_toolbar
    # The first spin box's up arrow, twice: 12 -> 14. The arrows sit at the right end of the
    # box (client 52, 2, 41 x 26), the upper half being "up".
    client_point $((52 + 41 - 8)) $((2 + 6))
    xdotool mousemove $CX $CY click 1 sleep 0.3 click 1
    sleep 0.5
    zv_close
    local key_step=$KEY_STEP
    [ "$(ini_get Zentavoro "$key_step")" = 14 ] || fail "after two steps up the scan step is '$(ini_get Zentavoro "$key_step")'"
    zv_start
    zv_wait_toolbar
    zv_close
    [ "$(ini_get Zentavoro "$key_step")" = 14 ] || fail "the restart did not keep 14: '$(ini_get Zentavoro "$key_step")'"
}

begin_case
"case_$1"
