#!/bin/bash
# Points that follow their window, on the Windows build under Wine: the three buttons of the
# target recorded with the option on and saved; the target moved 150 px right and 80 px
# down; the saved file scanned: the switch clicks the same buttons, and after a resize the
# button kept at the right edge.
. "$(dirname "$0")/lib.sh"

TITLE="Carta de prueba"

# The centres of the target's buttons (100 x 40, 20 from their edges of the client area,
# which is the target's X window): sets UNO DOS TRES.
button_centres() {
    geometry "$1"
    UNO="$((WX + 70)) $((WY + 40))"
    DOS="$((WX + WW - 70)) $((WY + 40))"
    TRES="$((WX + 70)) $((WY + WH - 40))"
}

# move_client WINDOW X Y: puts the window's client area at X,Y on the screen. What a move
# request names (the frame's corner, the client's, or Wine's own idea of the frame) differs
# between window managers and Wine's modes: the first request shows the offset, the second
# one corrects it.
move_client() {
    local w=$1 x=$2 y=$3
    xdotool windowmove --sync "$w" "$x" "$y" 2>/dev/null
    sleep 0.3
    geometry "$w"
    [ "$WX" -eq "$x" ] && [ "$WY" -eq "$y" ] && return 0
    xdotool windowmove --sync "$w" $((2 * x - WX)) $((2 * y - WY)) 2>/dev/null
    sleep 0.3
}

# shellcheck disable=SC2086
click_on() {  # click_on NAME "X Y" TIMES: the pointer is on the button; the switch clicks it
    wait_pointer_settled 10 $2 || fail "the pointer is not on $1 ($2) but at $PX,$PY"
    press_until 1 clicked "$1" "$3" || fail "the switch did not click $1: $(tr '\n' ' ' < "$TARGET_LOG")"
    # A person's next press comes a moment later.
    sleep 0.5
}
# shellcheck disable=SC2086
step_to() {  # step_to NAME "X Y": the right button puts the pointer on the button
    press_until 3 at_point $2 || fail "the right button did not step to $1 ($2): the pointer is at $PX,$PY"
}

case_recorded_buttons_are_clicked_where_the_moved_window_has_them() {
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=0\r\n' "$KEY_INTERVAL" > "$INI"
    target_start "$TITLE" 100 100 600 400 buttons
    local app; app=$(toolbar_window "$TITLE")
    zv_start
    zv_wait_toolbar
    button_centres "$app"
    local recorded="$UNO,$DOS,$TRES"
    # "Grabar": the second tool button (client 25, 2, 25 x 25).
    click_toolbar 37 14
    sleep 1
    local p
    # shellcheck disable=SC2086
    for p in "$UNO" "$DOS" "$TRES"; do
        xdotool mousemove $p sleep 0.2 click 1 sleep 0.6
    done
    [ "$(target_count BUTTON)" -eq 0 ] || fail "recorded clicks pressed the target's buttons"
    xdotool click 3
    local saved="$WORK/$TITLE.zvo"
    save_as_proposed "$saved"
    note "saved: $(tr -d '\r' < "$saved" | tr '\n' '|')"

    # The points as recorded, then the window lines: the target's class and title, and each
    # point's distances from the nearer edges of the rectangle noted, which give the
    # recorded point back.
    local check
    check=$(tr -d '\r' < "$saved" | awk -v title="$TITLE" '
        NR == 2 { if ($0 != "N\372mero de puntos = 3") bad = bad "count line " $0 "; " }
        NR >= 3 && NR <= 5 { split($0, c, ","); X[NR - 2] = c[1]; Y[NR - 2] = c[2] }
        $0 == "//zv windows 1" { version = 1 }
        /^\/\/zv window 1 / { n = split($0, w, " "); L = w[4]; T = w[5]; W = w[6]; H = w[7]
                             if ($0 !~ ("\"ZentavoroTarget\" \"" title "\"$")) bad = bad "window line " $0 "; " }
        /^\/\/zv point / { split($0, q, " "); p = q[3]
                          x = q[5] == "left" ? L + q[6] : L + W - q[6]; y = q[7] == "top" ? T + q[8] : T + H - q[8]
                          if (x != X[p] || y != Y[p]) bad = bad "point " p " gives " x "," y "; "
                          edges = edges q[5] "-" q[7] " " }
        END { if (!version) bad = bad "no version line; "
              if (edges != "left-top right-top left-bottom ") bad = bad "edges " edges "; "
              printf "%s", bad }')
    [ -z "$check" ] || fail "the scan file's window lines: $check"
    local points; points=$(tr -d '\r' < "$saved" | sed -n '3,5p' | tr '\n' ' ' | sed 's/,/ /g; s/ $//')
    [ "$points" = "$(echo "$recorded" | tr ',' ' ')" ] || fail "recorded points $points, buttons at $recorded"
    zv_close "Zentavoro"

    # The target is moved 150 px right and 80 px down.
    geometry "$app"
    local x0=$WX y0=$WY
    move_client "$app" $((x0 + 150)) $((y0 + 80))
    moved() { geometry "$app"; [ "$WX" -eq $((x0 + 150)) ] && [ "$WY" -eq $((y0 + 80)) ]; }
    wait_for 5 moved || fail "the target did not move 150 px right and 80 px down: at $WX,$WY from $x0,$y0"
    sleep 0.5
    button_centres "$app"

    # Directed scanning of the saved file, with the frame round each point.
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\nESCANEIG DIRIGIT=S\xcd\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n%s=0\r\n' \
        "$KEY_INTERVAL" > "$INI"
    zv_start "$TITLE.zvo"
    wait_pointer_settled 30 $UNO || fail "scanning did not put the pointer on Uno where it is now ($UNO) but at $PX,$PY"
    shot follow-moved-uno
    click_on Uno "$UNO" 1
    step_to Dos "$DOS"
    click_on Dos "$DOS" 1
    step_to Tres "$TRES"
    click_on Tres "$TRES" 1
    step_to Uno "$UNO"

    # 100 px wider: Dos stays 20 px from the right edge, and so does its point.
    geometry "$app"
    local w0=$WW
    xdotool windowsize --sync "$app" $((WW + 100)) "$WH"
    wider() { geometry "$app"; [ "$WW" -eq $((w0 + 100)) ]; }
    wait_for 5 wider || fail "the target did not become 100 px wider: ${WW} px"
    sleep 0.5
    button_centres "$app"
    wait_pointer_settled 10 $UNO || fail "the pointer is not back on Uno ($UNO) but at $PX,$PY"
    step_to Dos "$DOS"
    wait_pointer_settled 10 $DOS || fail "the point of Dos did not follow the right edge to $DOS: at $PX,$PY"
    sleep 0.5
    shot follow-wider-dos
    click_on Dos "$DOS" 2
    [ "$(target_count LDOWN)" -eq 0 ] || fail "a click missed the buttons: $(grep LDOWN "$TARGET_LOG" | head -3 | tr '\n' ' ')"
}

begin_case
"case_$1"
