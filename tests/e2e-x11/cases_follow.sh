# Points that follow their window: the buttons of a target recorded with the option on,
# saved, the target moved 150 px right and 80 px down, and the saved file scanned: the
# switch clicks the same buttons, and after a resize the button kept at the right edge.
# Sourced by x11_e2e.sh.

# The client area's top-left corner on the screen: sets CX CY CW CH.
client_area() {
    local info
    info=$(xwininfo -id "$1") || return 1
    CX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    CY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    CW=$(awk '/Width:/ {print $2}' <<<"$info")
    CH=$(awk '/Height:/ {print $2}' <<<"$info")
}
# The centres of the target's three buttons (100 x 40, 20 from their edges): UNO DOS TRES.
button_centres() {
    client_area "$1" || return 1
    UNO="$((CX + 70)) $((CY + 40))"
    DOS="$((CX + CW - 70)) $((CY + 40))"
    TRES="$((CX + 70)) $((CY + CH - 40))"
}
buttons_logged() { grep -c "^button $1 1 " "$tmp/target.log" 2>/dev/null; }
clicked_at_least() { [ "$(buttons_logged "$1")" -ge "$2" ]; }
# press_until BUTTON CHECK...: a press of the mouse button, then the check until it holds.
# The hook mailbox loses a report that comes while a poll tick is between reading it and
# writing it back (a known window of a few milliseconds in each 100): a person whose press
# did nothing presses again, and so does this.
press_until() {
    local button=$1
    shift
    xdotool click "$button"
    wait_until 2 "$@" && return 0
    echo "  (a press of button $button went unanswered: pressed again)"
    xdotool click "$button"
    wait_until 5 "$@"
}

case_follow_window() {
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=0\r\n' \
        "$click_interval_key" >"$ZENTAVORO_INI"
    local app
    start_beside_target_with_buttons
    start_recording_from_toolbar "$app"
    button_centres "$app"
    local recorded_uno=$UNO recorded_dos=$DOS recorded_tres=$TRES p
    for p in "$UNO" "$DOS" "$TRES"; do
        # shellcheck disable=SC2086
        xdotool mousemove $p click 1
        sleep 0.4
    done
    check "recording takes the presses: no button was pressed" [ "$(grep -c '^button' "$tmp/target.log")" -eq 0 ]
    xdotool click 3
    local saved="$tmp/work/Aplicacio de prova.zvo"
    save_as_proposed "$saved"

    # The window lines: the target's outer frame, its class, its title, and each button's
    # distance from the nearer edges of the frame.
    local fl ft fw fh
    read -r fl ft fw fh <<<"$(frame_of "$app")"
    local ux uy dx dy tx ty
    read -r ux uy <<<"$recorded_uno"
    read -r dx dy <<<"$recorded_dos"
    read -r tx ty <<<"$recorded_tres"
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 3\r\n%s,%s\r\n%s,%s\r\n%s,%s\r\n' \
            "$ux" "$uy" "$dx" "$dy" "$tx" "$ty"
        printf '//zv windows 1\r\n//zv window 1 %d %d %d %d "ZentavoroTarget" "Aplicacio de prova"\r\n' "$fl" "$ft" "$fw" "$fh"
        printf '//zv point 1 1 left %d top %d\r\n' $((ux - fl)) $((uy - ft))
        printf '//zv point 2 1 right %d top %d\r\n' $((fl + fw - dx)) $((dy - ft))
        printf '//zv point 3 1 left %d bottom %d\r\n' $((tx - fl)) $((ft + fh - ty))
    } >"$tmp/expected.zvo"
    check "it holds the three points and the window they were recorded in" cmp "$saved" "$tmp/expected.zvo"
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"

    # The next day the window opens elsewhere.
    xdotool windowmove --sync "$app" $((fl + 150)) $((ft + 80))
    local before_x=$CX before_y=$CY
    check "the target has moved 150 px right and 80 px down" \
        wait_until 5 sh -c "xwininfo -id $app | grep -q 'Absolute upper-left X:  $((before_x + 150))\$' &&
                            xwininfo -id $app | grep -q 'Absolute upper-left Y:  $((before_y + 80))\$'"
    button_centres "$app"
    # Directed scanning: each right press steps, so every click below is at a known point.
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\nESCANEIG DIRIGIT=S\xcd\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n%s=0\r\n' \
        "$click_interval_key" >"$ZENTAVORO_INI"
    start_zentavoro "Aplicacio de prova.zvo"
    # shellcheck disable=SC2086
    check "scanning puts the pointer on the first button where it is now" wait_until 15 pointer_on $UNO
    screenshot moved-first-button >/dev/null
    local names=(Uno Dos Tres) points=("$UNO" "$DOS" "$TRES") i
    for i in 0 1 2; do
        # shellcheck disable=SC2086
        check "the pointer is on ${names[i]}" wait_until 5 pointer_on ${points[i]}
        sleep 0.3
        check "the switch clicks ${names[i]}" press_until 1 clicked_at_least "${names[i]}" 1
        # A person's next press comes a moment later.
        sleep 0.5
        # shellcheck disable=SC2086
        check "the right button steps on from ${names[i]}" press_until 3 pointer_on ${points[(i + 1) % 3]}
    done

    # Made 100 px wider: the button kept at the right edge moves with it, and so does its point.
    xdotool windowsize --sync "$app" $((CW + 100)) "$CH"
    check "the target is wider" wait_until 5 sh -c "xwininfo -id $app | grep -q 'Width: $((CW + 100))\$'"
    button_centres "$app"
    # shellcheck disable=SC2086
    check "after the third button the pointer is on the first again" wait_until 5 pointer_on $UNO
    sleep 0.5
    # shellcheck disable=SC2086
    check "the second button's point has followed the right edge" press_until 3 pointer_on $DOS
    screenshot wider-second-button >/dev/null
    sleep 0.3
    check "the switch clicks Dos again" press_until 1 clicked_at_least Dos 2
    check "every press of the switch landed on a button" \
        [ "$(grep -c '^press 1 ' "$tmp/target.log")" -eq "$(grep -c '^button .* 1 ' "$tmp/target.log")" ]
}
