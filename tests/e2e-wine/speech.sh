#!/bin/bash
# Names and speech on the Windows build under Wine: the target's push buttons recorded with
# names on are named through Active Accessibility; with no voice installed (Wine has none),
# scanning goes on, each step beeps, and the failure is told once.
. "$(dirname "$0")/lib.sh"

TITLE="Carta de prueba"
KEY_SAY='DIR EL NOM DE CADA PUNT'
NO_SPEECH='No se pueden decir los nombres de los puntos'

# The centres of the target's buttons (100 x 40, 20 from their edges of the client area,
# which is the target's X window).
button_centres() {
    geometry "$1"
    UNO="$((WX + 70)),$((WY + 40))"
    DOS="$((WX + WW - 70)),$((WY + 40))"
    TRES="$((WX + 70)),$((WY + WH - 40))"
}

# A message box of the program holding the text: its window, once it is on the screen.
message_box() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Brisal 2001 - Zentavoro$' 2>/dev/null); do
        echo "$w"
        return 0
    done
    return 1
}
has_message_box() { [ -n "$(message_box)" ]; }

case_push_button_names_are_recorded_and_scanning_without_a_voice_goes_on() {
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=S\xcd\r\n%s=5\r\n' "$KEY_SAY" "$KEY_STEP" > "$INI"
    target_start "$TITLE" 100 100 600 400 buttons
    local app; app=$(toolbar_window "$TITLE")
    zv_start
    zv_wait_toolbar
    button_centres "$app"
    # "Grabar": the second tool button (client 25, 2, 25 x 25).
    click_toolbar 37 14
    sleep 1
    local p places=("$UNO" "$DOS" "$TRES")
    geometry "$app"
    # And a place on the window itself, on no button.
    places+=("$((WX + WW / 2)),$((WY + WH / 2))")
    for p in "${places[@]}"; do
        xdotool mousemove "${p%,*}" "${p#*,}" sleep 0.2 click 1 sleep 0.6
    done
    xdotool click 3
    save_as_proposed "$WORK/$TITLE.zvo"
    local expected
    expected=$(printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 4\r\n%s\r\n%s\r\n%s\r\n%s\r\n//zv names 1\r\n//zv name 1 "Uno"\r\n//zv name 2 "Dos"\r\n//zv name 3 "Tres"\r\n//zv name 4 "%s 4"\r\n' \
        "${places[@]}" "$TITLE")
    saved_as_expected() { [ "$(cat "$WORK/$TITLE.zvo")" = "$expected" ]; }
    wait_for 5 saved_as_expected || fail "the scan file holds: $(cat -v "$WORK/$TITLE.zvo")"
    note "the buttons' names were recorded through the accessibility layer"

    # Scanning the file: no voice, so the failure is told, once, before scanning starts.
    local toolbar; toolbar=$(toolbar_window "Zentavoro")
    key_to "$toolbar" alt+a
    sleep 0.5
    xdotool key e
    wait_for 10 has_message_box || fail "no message about the missing voice"
    local box; box=$(message_box)
    note "the message box: '$(xdotool getwindowname "$box")'"
    key_to "$box" Return
    wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Brisal 2001 - Zentavoro\$' >/dev/null 2>&1" ||
        fail "the message box stayed"
    local i
    for i in 0 1 2 3 0; do
        p=${places[$i]}
        wait_pointer_at 10 "${p%,*}" "${p#*,}" || fail "scanning did not go on to point $((i + 1)) ($p): the pointer is at $PX,$PY"
    done
    note "scanning went on over the four points"
    # Stopped and started again: no second message.
    xdotool click 3
    wait_for 10 has_toolbar "$MARKER" || wait_for 10 has_toolbar "Zentavoro" || fail "the toolbar did not come back"
    toolbar=$(toolbar_window "Zentavoro")
    key_to "$toolbar" alt+a
    sleep 0.5
    xdotool key e
    p=${places[0]}
    wait_pointer_at 10 "${p%,*}" "${p#*,}" || fail "the second scanning did not start"
    has_message_box && fail "the failure was told a second time"
    p=${places[1]}
    wait_pointer_at 10 "${p%,*}" "${p#*,}" || fail "the second scanning did not go on"
    note "the second start said nothing and scanned"
}

begin_case
"case_$1"
