#!/bin/bash
# Group scanning on the Windows build under Wine: 36 points on a grid over the target. A
# frame lights the rows in turn; a press (a real button press from the X server) when the
# wanted row is lit enters it, and a press when the pointer is on the wanted point clicks
# there, within sixteen steps.
. "$(dirname "$0")/lib.sh"

# The frame's left and top on the screen while it is shown; false while it is hidden. Its
# window is looked for once: a watcher has to be quick.
FRAME=""
frame_at() {
    local info
    [ -n "$FRAME" ] || FRAME=$(xdotool search --onlyvisible --name '^GroupFrame$' 2>/dev/null | head -1)
    [ -n "$FRAME" ] || return 1
    info=$(xwininfo -id "$FRAME" 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")"
}
# On the point, or on its one-pixel nudge: on a loaded machine Wine may leave the X pointer
# there, having taken the nudge's warp for the last one (the scanning cases check the exact
# places; here it is the choice of point that counts).
settled_on() {
    local x=$1 y=$2
    { at_point "$x" "$y" || at_point $((x + 1)) $((y + 1)); } && sleep 0.2 &&
        { at_point "$x" "$y" || at_point $((x + 1)) $((y + 1)); }
}
# The first red row of the screen picture in column X from row Y down; nothing when none.
first_red_below() {  # X Y
    convert "$WORK/screen.png" -crop "1x$((768 - $2))+$1+$2" +repage txt:- |
        awk -F'[,: ]+' -v from="$2" '/#FF0000/ { print $2 + from; exit }'
}
frame_on_row() { local at; at=$(frame_at) && [ "${at#* }" = "$1" ]; }
# Presses the switch as soon as the command succeeds, as a user watching the screen.
press_when() {  # SECONDS COMMAND...
    local until=$((SECONDS + $1))
    shift
    while [ $SECONDS -lt $until ]; do
        if "$@"; then
            xdotool click 1
            return 0
        fi
        sleep 0.02
    done
    return 1
}

case_group_scanning_chooses_points_of_a_grid_within_sixteen_steps() {
    command -v import >/dev/null && command -v convert >/dev/null || skip "ImageMagick is not installed"
    # 1.5 s a step, long enough for a watcher made of shell commands on a busy machine; 0.3 s
    # of minimum interval.
    printf '[Zentavoro]\r\n%s=15\r\n%s=3\r\nESCANEIG PER GRUPS=S\xcd\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    local points=() r c
    for r in 0 1 2 3 4 5; do
        for c in 0 1 2 3 4 5; do points+=("$((150 + 90 * c)),$((180 + 60 * r))"); done
    done
    scan_file teclado.zvo "${points[@]}"
    target_start "Target window" 100 100 600 420
    # Inside the target, away from every point: Wine's hooks see only the presses made on
    # its own windows.
    xdotool mousemove 660 505
    zv_start teclado.zvo
    wait_for 30 frame_on_row 164 || fail "the first row was never framed"
    at_point 660 505 || fail "the pointer moved while a row was lit: $PX,$PY"
    no_toolbar || fail "the toolbar is shown while scanning"

    # Where the frame is drawn is read from the picture itself: it moves every step, and on
    # a busy machine a step may come between a look at its window and the picture.
    import -window root "$WORK/screen.png"
    [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && mkdir -p "$ZENTAVORO_E2E_KEEP" && cp "$WORK/screen.png" "$ZENTAVORO_E2E_KEEP/group-frame.png"
    local top
    top=$(first_red_below 300 140)
    case " 164 224 284 344 404 464 " in *" $top "*) ;; *) fail "no frame round a row in the picture (top ${top:-none})" ;; esac
    local at mid=$((top + 16))
    for at in "134 $mid" "139 $mid" "611 $mid" "616 $mid" "300 $top" "300 $((top + 5))" "300 $((top + 27))" "300 $((top + 32))"; do
        [ "$(pixel $at)" = "255,0,0" ] || fail "no red bar at $at: $(pixel $at)"
    done
    for at in "140 $mid" "610 $mid" "300 $((top + 6))" "300 $((top + 26))" "133 $mid" "617 $mid"; do
        [ "$(pixel $at)" = "255,255,255" ] || fail "not the target's white at $at: $(pixel $at)"
    done

    # Each selection counted from the first row lit, or from the click before, after which
    # the first row comes once the minimum interval has passed.
    local wanted=(2,3 5,5 0,0) one x y began took clicks=0
    wait_for 20 frame_on_row 164 || fail "the first row did not come back"
    began=$(date +%s%3N)
    for one in "${wanted[@]}"; do
        r=${one%,*} c=${one#*,}
        x=$((150 + 90 * c)) y=$((180 + 60 * r))
        press_when 15 frame_on_row $((y - 16)) || fail "row $r was never framed"
        # Once the step that put it there has ended, as a person's reaction lets it.
        press_when 10 settled_on "$x" "$y" || fail "the pointer never came to $x,$y"
        wait_for 3 grep -Eq " LDOWN ($x $y|$((x + 1)) $((y + 1)))$" "$TARGET_LOG" ||
            fail "no click at $x,$y: $(grep DOWN "$TARGET_LOG" | tr '\n' ' ')"
        grep -q " LDOWN $x $y$" "$TARGET_LOG" || note "the click at $x,$y landed on the pointer's nudge"
        took=$(($(date +%s%3N) - began))
        began=$(date +%s%3N)
        clicks=$((clicks + 1))
        note "row $r, point $c: $took ms"
        # Sixteen steps of 1.5 s, the minimum interval before the first row and after
        # entering, and room for the time a watcher takes to see.
        [ "$took" -le 24900 ] || fail "the selection took $took ms"
        [ "$(target_count LDOWN)" -eq "$clicks" ] || fail "$(target_count LDOWN) presses reached the target"
    done
    xdotool click 3
    wait_for 10 has_toolbar || fail "the right button did not stop scanning"
    wait_for 3 sh -c "! xdotool search --onlyvisible --name '^GroupFrame\$' | grep -q ." || fail "the frame stays after the stop"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
}

case_timing_dialog_stores_each_value_as_it_changes() {
    zv_start
    zv_wait_toolbar
    xdotool windowactivate --sync "$(toolbar_window)" 2>/dev/null
    sleep 0.3
    # Opciones, Más opciones, then down to its fourth entry: "Tiempos del barrido...".
    xdotool key alt+o sleep 0.4 key m sleep 0.4 key Down Down Down sleep 0.2 key Return
    wait_for 10 has_toolbar '^Tiempos del barrido$' || fail "no dialog of the scan's timing"
    local d
    d=$(toolbar_window '^Tiempos del barrido$')
    xdotool windowactivate --sync "$d" 2>/dev/null
    sleep 0.3
    import -window root "$WORK/screen.png"
    [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && mkdir -p "$ZENTAVORO_E2E_KEEP" && cp "$WORK/screen.png" "$ZENTAVORO_E2E_KEEP/timing-dialog.png"
    # The up arrows of the two spin boxes (client 344, 10 and 344, 46, 44 x 26 each; the
    # arrows at the right end, the upper half "up"). Wine's X window of a window without a
    # menu is its client area.
    geometry "$d"
    xdotool mousemove $((WX + 380)) $((WY + 16)) click 1 sleep 0.3 click 1 sleep 0.3 click 1
    local pause_key=$'D\xc8CIMES DE SEGON DE PAUSA AL PRIMER ELEMENT' rounds_key="VOLTES SENSE PREMER ABANS D'ESPERAR"
    wait_for 3 sh -c "grep -aq 'PAUSA AL PRIMER ELEMENT=3' '$INI'" ||
        fail "the first item's stay is '$(ini_get Zentavoro "$pause_key")' after three steps up"
    xdotool mousemove $((WX + 380)) $((WY + 52)) click 1 sleep 0.3 click 1
    wait_for 3 sh -c "grep -aq \"D'ESPERAR=2\" '$INI'" ||
        fail "the rounds before waiting are '$(ini_get Zentavoro "$rounds_key")' after two steps up"
    # Its button, in the middle of the bottom row.
    xdotool mousemove $((WX + 199)) $((WY + 99)) click 1
    wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Tiempos del barrido\$' | grep -q ." ||
        fail "the button did not close the dialog"
    has_toolbar || fail "the toolbar went with the dialog"
}

begin_case
"case_$1"
