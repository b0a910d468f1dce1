#!/bin/bash
# The point editor on the Windows build under Wine: three points recorded in the target, one
# deleted, one moved up, one placed again on another button of the target and named, all
# from the keyboard; saved; the file opened again and scanned: the switch clicks the new
# places in the new order.
. "$(dirname "$0")/lib.sh"

TITLE="Carta de prueba"

# Where the marker of point N stands on the screen: "X Y", when it is shown.
marker_at() {
    local w; w=$(toolbar_window "^PointMarker$1\$")
    [ -n "$w" ] || return 1
    geometry "$w"
    echo "$WX $WY"
}
marker_on() { [ "$(marker_at "$1")" = "$2" ]; }
marker_gone() { [ -z "$(toolbar_window "^PointMarker$1\$")" ]; }
title_of() { xdotool getwindowname "$1" 2>/dev/null; }
title_is() { [ "$(title_of "$1")" = "$2" ]; }

case_points_are_mended_in_the_editor_and_scanned_in_their_new_order() {
    printf '[Zentavoro]\r\n%s=0\r\n' "$KEY_INTERVAL" > "$INI"
    target_start "$TITLE" 100 100 600 400 buttons
    local app; app=$(toolbar_window "$TITLE")
    zv_start
    zv_wait_toolbar
    local toolbar; toolbar=$(toolbar_window)
    button_centres "$app"
    local blank="$((WX + WW / 2)) $((WY + WH / 2))" p
    # "Grabar": the second tool button (client 25, 2, 25 x 25).
    click_toolbar 37 14
    sleep 1
    # shellcheck disable=SC2086
    for p in "$UNO" "$blank" "$DOS"; do
        xdotool mousemove $p sleep 0.2 click 1 sleep 0.6
    done
    [ "$(target_count BUTTON)" -eq 0 ] || fail "recorded clicks pressed the target's buttons"
    wait_for 3 title_is "$toolbar" "3 puntos - ${MARKER}Equip Zentavoro - zentavoro.org" ||
        fail "while recording, the toolbar's title is '$(title_of "$toolbar")'"
    xdotool click 3
    wait_for 5 title_is "$toolbar" "Zentavoro" || fail "after the stop the title is '$(title_of "$toolbar")'"

    # Archivo > Editar puntos..., from the keyboard.
    key_to "$toolbar" alt+a
    sleep 0.5
    xdotool key d
    wait_for 10 has_toolbar "^Editar puntos - Zentavoro$" || fail "the editor did not open"
    local editor; editor=$(toolbar_window "^Editar puntos - Zentavoro$")
    wait_for 5 is_active "$editor" || fail "the editor is not the active window"
    markers_on_recorded() { marker_on 1 "$UNO" && marker_on 2 "$blank" && marker_on 3 "$DOS"; }
    wait_for 5 markers_on_recorded ||
        fail "the markers are at '$(marker_at 1)' '$(marker_at 2)' '$(marker_at 3)', not on $UNO, $blank, $DOS"
    sleep 0.5
    shot editor-and-markers

    # The blank point goes (Down to it, Alt+B); Dos moves up (Alt+S); Uno, now second, is
    # placed again on Tres (Down, Alt+C, a click on Tres).
    xdotool key Down
    sleep 0.3
    xdotool key alt+b
    wait_for 5 marker_gone 3 || fail "Alt+B did not delete the second point: a third marker is left"
    wait_for 3 marker_on 2 "$DOS" || fail "the second marker is at '$(marker_at 2)', not on Dos"
    xdotool key alt+s
    wait_for 3 marker_on 1 "$DOS" || fail "Alt+S did not move Dos up: the first marker is at '$(marker_at 1)'"
    xdotool key Down
    sleep 0.3
    xdotool key alt+c
    wait_for 5 no_toolbar "^Editar puntos - Zentavoro$" || fail "Alt+C did not put the editor aside"
    wait_for 3 title_is "$toolbar" "Colocar 2 (Esc) - Zentavoro" || fail "the title says '$(title_of "$toolbar")'"
    # shellcheck disable=SC2086
    xdotool mousemove $TRES sleep 0.2 click 1
    wait_for 10 has_toolbar "^Editar puntos - Zentavoro$" || fail "the click did not bring the editor back"
    wait_for 3 marker_on 2 "$TRES" || fail "the second marker is at '$(marker_at 2)', not on Tres"
    [ "$(target_count BUTTON)" -eq 0 ] || fail "the click that placed the point pressed a button of the target"
    title_is "$toolbar" "Zentavoro" || fail "the title is '$(title_of "$toolbar")' after the click"
    sleep 0.5
    shot editor-mended
    # Escape gives a place up: the editor comes back and nothing has moved.
    key_to "$editor" alt+c
    wait_for 5 no_toolbar "^Editar puntos - Zentavoro$" || fail "Alt+C did not put the editor aside again"
    xdotool key Escape
    wait_for 10 has_toolbar "^Editar puntos - Zentavoro$" || fail "Escape did not bring the editor back"
    marker_on 2 "$TRES" || fail "after Escape the second marker is at '$(marker_at 2)', not on Tres"
    # The second point named from the keyboard: Alt+N to the name field, the name, Enter.
    key_to "$editor" alt+n
    sleep 0.3
    xdotool type --delay 50 "Boton Tres"
    sleep 0.3
    xdotool key Return
    sleep 0.5
    shot editor-renamed
    key_to "$editor" alt+e
    wait_for 5 no_toolbar "^Editar puntos - Zentavoro$" || fail "Alt+E did not close the editor"
    wait_for 3 marker_gone 1 || fail "a marker stayed after the editor closed"

    # Guardar: the dialog opens with the keyboard in its name field, so the name is typed
    # straight away.
    key_to "$toolbar" alt+a
    sleep 0.5
    xdotool key g
    wait_for 15 has_toolbar "Guardar - Archivo Zentavoro" || fail "no save dialog"
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 50 "mended"
    xdotool key Return
    wait_for 10 test -f "$WORK/mended.zvo" || fail "nothing saved as mended.zvo: $(ls "$WORK")"
    local expected
    expected=$(printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 2\r\n%s\r\n%s\r\n//zv names 1\r\n//zv name 2 "Boton Tres"\r\n' \
        "$(tr ' ' , <<<"$DOS")" "$(tr ' ' , <<<"$TRES")")
    [ "$(cat "$WORK/mended.zvo")" = "$expected" ] || fail "the scan file holds: $(od -c "$WORK/mended.zvo" | head -8)"
    zv_close "Zentavoro"

    # Opened again and scanned, directed so that each right press steps.
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\n%s=0\r\n' "$KEY_INTERVAL" > "$INI"
    zv_start mended.zvo
    # shellcheck disable=SC2086
    wait_pointer_settled 30 $DOS || fail "scanning did not start on Dos ($DOS) but at $PX,$PY"
    press_until 1 clicked Dos 1 || fail "the switch did not click Dos: $(tr '\n' ' ' < "$TARGET_LOG")"
    sleep 0.5
    # shellcheck disable=SC2086
    press_until 3 at_point $TRES || fail "the right button did not step to Tres: the pointer is at $PX,$PY"
    sleep 0.3
    press_until 1 clicked Tres 1 || fail "the switch did not click Tres: $(tr '\n' ' ' < "$TARGET_LOG")"
    local order; order=$(grep -o ' BUTTON [A-Za-z]*' "$TARGET_LOG" | tr -d '\n')
    [ "$order" = " BUTTON Dos BUTTON Tres" ] || fail "the target's buttons were pressed in this order:$order"
}

begin_case
"case_$1"
