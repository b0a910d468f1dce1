#!/bin/bash
# Point scanning on the Windows build under Wine: with nothing recorded, two pairs of
# presses (real button presses from the X server) choose the target's push button, and the
# click reaches it through the lines lying over it.
. "$(dirname "$0")/lib.sh"

# The middle column (vertical line) or row (horizontal line) of a shown line; false while
# it is hidden.
line_at() {  # line_at TITLE x|y
    local w info
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$w" ] || return 1
    info=$(xwininfo -id "$w" 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    if [ "$2" = x ]; then
        echo $(($(awk '/Absolute upper-left X/ {print $4}' <<<"$info") + 1))
    else
        echo $(($(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") + 1))
    fi
}
shown() { line_at "$1" x >/dev/null; }
# Presses the switch as soon as the line stands between LO and HI, as a user watching it.
press_when_line_in() {  # TITLE x|y LO HI
    local at until=$((SECONDS + 25))
    while [ $SECONDS -lt $until ]; do
        at=$(line_at "$1" "$2") || at=-100
        if [ "$at" -ge "$3" ] && [ "$at" -le "$4" ]; then
            xdotool click 1
            note "pressed with $1 at $at"
            sleep 0.2
            return 0
        fi
        sleep 0.01
    done
    return 1
}

case_point_scanning_clicks_the_targets_button_through_the_lines() {
    command -v import >/dev/null && command -v convert >/dev/null || skip "ImageMagick is not installed"
    # 0.5 s a step (a coarse sweep in 5 s, the band in 2 s), 0.3 s of minimum interval.
    printf '[Zentavoro]\r\n%s=5\r\n%s=3\r\nESCANEIG DE PUNT=S\xcd\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    # The push button's client rectangle (250,200) 100 x 40 inside a window at (100,100).
    target_start "Target window" 100 100 600 400 250 200 100 40
    local tw cx cy
    tw=$(toolbar_window "Target window")
    geometry "$tw"
    cx=$((WX + 300)) cy=$((WY + 220))
    zv_start
    zv_wait_toolbar
    xdotool windowactivate --sync "$(toolbar_window)" >/dev/null 2>&1
    sleep 0.5
    xdotool key ctrl+e
    wait_for 5 shown SweepLineVertical || fail "no vertical line after starting with nothing recorded"
    no_toolbar || fail "the toolbar is shown while scanning"
    shown SweepLineHorizontal && fail "the horizontal line is shown before x is chosen"
    press_when_line_in SweepLineVertical x $((cx - 25)) $((cx + 25)) || fail "the line never crossed the button"
    press_when_line_in SweepLineVertical x $((cx - 8)) $((cx + 8)) || fail "the refining line never crossed the button"
    wait_for 3 shown SweepLineHorizontal || fail "no horizontal line after x was chosen"
    local vx
    vx=$(line_at SweepLineVertical x)
    sleep 0.5
    import -window root "$WORK/screen.png"
    [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && mkdir -p "$ZENTAVORO_E2E_KEEP" && cp "$WORK/screen.png" "$ZENTAVORO_E2E_KEEP/point-scan-lines.png"
    local at
    for at in "$((vx - 1)) $((WY + 50))" "$vx $((WY + 50))" "$((vx + 1)) $((WY + 50))" "$vx 700"; do
        [ "$(pixel $at)" = "255,0,0" ] || fail "no red line at $at: $(pixel $at)"
    done
    for at in "$((vx - 2)) $((WY + 50))" "$((vx + 2)) $((WY + 50))"; do
        [ "$(pixel $at)" = "255,255,255" ] || fail "not the target's white beside the line at $at: $(pixel $at)"
    done
    press_when_line_in SweepLineHorizontal y $((cy - 12)) $((cy + 12)) || fail "the line never crossed the button"
    press_when_line_in SweepLineHorizontal y $((cy - 6)) $((cy + 6)) || fail "the refining line never crossed the button"
    wait_for 5 grep -q " BUTTON " "$TARGET_LOG" || fail "the button was not clicked"
    target_has 1 LDOWN || target_has 0 LDOWN || fail "the presses reached the target: $(target_count LDOWN)"
    [ "$(target_count BUTTON)" -eq 1 ] || fail "the button was clicked $(target_count BUTTON) times"
    grep -q " BUTTON OK $vx " "$TARGET_LOG" || fail "the click was not on the column chosen: $(grep BUTTON "$TARGET_LOG")"
    wait_for 3 sh -c "! xdotool search --onlyvisible --name '^SweepLineHorizontal\$' | grep -q ." ||
        fail "sweeping did not begin again with x"
    # The right button stops (the hook takes it). Space would stop too, but it also reaches
    # the target, where the focused push button takes it for a click of its own.
    xdotool click 3
    wait_for 10 has_toolbar || fail "the right button did not stop scanning"
    wait_for 3 sh -c "! xdotool search --onlyvisible --name '^SweepLineVertical\$' | grep -q ." ||
        fail "the line stays after the stop"
    [ "$(target_count BUTTON)" -eq 1 ] || fail "the button was clicked $(target_count BUTTON) times in all"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
}

begin_case
"case_$1"
