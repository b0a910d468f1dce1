#!/bin/bash
# The tracking frame on the Windows build under Wine: a red hollow square round the point,
# seen in a picture of the screen, with the target showing through its hole.
. "$(dirname "$0")/lib.sh"

case_tracking_frame_surrounds_the_point() {
    command -v import >/dev/null && command -v convert >/dev/null || skip "ImageMagick is not installed"
    printf '[Zentavoro]\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n%s=30\r\n' "$KEY_STEP" > "$INI"
    scan_file puntos.zvo 400,300 200,200
    target_start "Target window" 100 100 600 400
    zv_start puntos.zvo
    wait_pointer_at 40 400 300 || fail "the pointer never reached the point"
    sleep 0.5
    import -window root "$WORK/screen.png"
    # The large frame is 137 px square with bars of 8 px, its top-left corner at
    # (400 - 68, 300 - 68) = (332, 232).
    local at
    for at in "333 300" "336 300" "468 300" "400 233" "400 365" "332 232" "468 368"; do
        [ "$(pixel $at)" = "255,0,0" ] || fail "no red bar at $at: $(pixel $at)"
    done
    # Inside the hole and just outside the frame: the target's white.
    for at in "341 300" "400 300" "459 300" "400 241" "331 300" "469 300"; do
        [ "$(pixel $at)" = "255,255,255" ] || fail "not the target's white at $at: $(pixel $at)"
    done
    # The hole lets the clicks through: a switch press clicks the target under the frame.
    xdotool click 1
    wait_for 3 target_has 1 LDOWN || fail "the click did not reach the target through the frame's hole"
    grep -q " LDOWN 400 300$" "$TARGET_LOG" || fail "the click landed elsewhere: $(grep LDOWN "$TARGET_LOG")"
}

begin_case
"case_$1"
