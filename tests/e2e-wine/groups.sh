#!/bin/bash
# Group scanning on the Windows build under Wine: 36 points on a grid over the target. A
# frame lights the rows in turn; a press (a real button press from the X server) when the
# wanted row is lit enters it, and a press when the pointer is on the wanted point clicks
# there, within sixteen steps.
. "$(dirname "$0")/lib.sh"

# The frame's left and top on the screen while it is shown; false while it is hidden.
frame_at() {
    local w info
    w=$(xdotool search --onlyvisible --name '^GroupFrame$' 2>/dev/null | head -1)
    [ -n "$w" ] || return 1
    info=$(xwininfo -id "$w" 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")"
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
    # A second a step, long enough for a watcher made of shell commands; 0.3 s of minimum
    # interval.
    printf '[Zentavoro]\r\n%s=10\r\n%s=3\r\nESCANEIG PER GRUPS=S\xcd\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    local points=() r c
    for r in 0 1 2 3 4 5; do
        for c in 0 1 2 3 4 5; do points+=("$((150 + 90 * c)),$((180 + 60 * r))"); done
    done
    scan_file teclado.zvo "${points[@]}"
    target_start "Target window" 100 100 600 420
    xdotool mousemove 900 700
    zv_start teclado.zvo
    wait_for 30 frame_on_row 164 || fail "the first row was never framed"
    at_point 900 700 || fail "the pointer moved while a row was lit: $PX,$PY"
    no_toolbar || fail "the toolbar is shown while scanning"

    # A picture with the frame standing still on one row the whole time.
    local before after top tries=0
    while [ $tries -lt 5 ]; do
        before=$(frame_at)
        import -window root "$WORK/screen.png"
        after=$(frame_at)
        [ -n "$before" ] && [ "$before" = "$after" ] && break
        tries=$((tries + 1))
    done
    [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && mkdir -p "$ZENTAVORO_E2E_KEEP" && cp "$WORK/screen.png" "$ZENTAVORO_E2E_KEEP/group-frame.png"
    top=${after#* }
    [ "${after% *}" = 134 ] || fail "the frame's left edge is at ${after% *}, not 16 px left of the first column"
    local at mid=$((top + 16))
    for at in "134 $mid" "139 $mid" "611 $mid" "616 $mid" "300 $top" "300 $((top + 5))" "300 $((top + 27))" "300 $((top + 32))"; do
        [ "$(pixel $at)" = "255,0,0" ] || fail "no red bar at $at: $(pixel $at)"
    done
    for at in "140 $mid" "610 $mid" "300 $((top + 6))" "300 $((top + 26))" "133 $mid" "617 $mid"; do
        [ "$(pixel $at)" = "255,255,255" ] || fail "not the target's white at $at: $(pixel $at)"
    done

    local wanted=(2,3 5,5 0,0) one x y began took clicks=0
    for one in "${wanted[@]}"; do
        r=${one%,*} c=${one#*,}
        x=$((150 + 90 * c)) y=$((180 + 60 * r))
        # Counted from the first row, which comes one step after the start or a click.
        wait_for 20 frame_on_row 164 || fail "the first row did not come back"
        began=$(date +%s%3N)
        press_when 15 frame_on_row $((y - 16)) || fail "row $r was never framed"
        press_when 10 at_point "$x" "$y" || fail "the pointer never came to $x,$y"
        wait_for 3 grep -q " LDOWN $x $y$" "$TARGET_LOG" || fail "no click at $x,$y: $(grep DOWN "$TARGET_LOG")"
        took=$(($(date +%s%3N) - began))
        clicks=$((clicks + 1))
        note "row $r, point $c: $took ms"
        # Sixteen steps of a second from the first row and the lead after entering, with
        # room for the time a watcher takes to see.
        [ "$took" -le 15800 ] || fail "the selection took $took ms"
        [ "$(target_count LDOWN)" -eq "$clicks" ] || fail "$(target_count LDOWN) presses reached the target"
    done
    xdotool click 3
    wait_for 10 has_toolbar || fail "the right button did not stop scanning"
    wait_for 3 sh -c "! xdotool search --onlyvisible --name '^GroupFrame\$' | grep -q ." || fail "the frame stays after the stop"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
}

begin_case
"case_$1"
