# Point scanning end to end: with nothing recorded, two pairs of presses choose the button
# of the application, and the click reaches it through the lines lying over it.

# The place of a line: its middle column (vertical) or row (horizontal) on the screen.
line_at() { # window x|y
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    if [ "$2" = x ]; then
        echo $(($(awk '/Absolute upper-left X/ {print $4}' <<<"$info") + 1))
    else
        echo $(($(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") + 1))
    fi
}
# Presses the switch (the left button, which the hook takes) as soon as the line stands
# between lo and hi, as a user watching it would, until the program shows that it took the
# press (the command given after the bounds succeeds within 2 s); a user whose press
# brought nothing presses again the next time the line comes by. False after 30 s.
press_when_line_in() { # window x|y lo hi command...
    local line=$1 axis=$2 lo=$3 hi=$4 at until=$((SECONDS + 30))
    shift 4
    [ -n "$line" ] || return 1
    while [ $SECONDS -lt $until ]; do
        at=$(line_at "$line" "$axis") || at=-100
        if [ "$at" -ge "$lo" ] && [ "$at" -le "$hi" ]; then
            xdotool click 1
            echo "  pressed with the line at $at" >&2
            PRESSED_AT=$at
            wait_until 2 "$@" && return 0
            echo "  the press brought nothing: again" >&2
        fi
        sleep 0.01
    done
    return 1
}
# The line jumped back to the start of its band (the press fixed the coarse place).
line_went_back() { # window x|y
    local at
    at=$(line_at "$1" "$2") && [ "$at" -le $((PRESSED_AT - 10)) ] && [ "$at" -ge $((PRESSED_AT - 60)) ]
}

case_point_scan() {
    # Steps of 0.5 s: a coarse sweep lasts 5 s and one of the band 2 s; 0.3 s of minimum
    # interval, which each new sweep waits out at its start.
    printf '[Zentavoro]\r\n%s=5\r\n%s=3\r\nESCANEIG DE PUNT=S\xcd\r\n' "$scan_step_key" "$click_interval_key" \
        >"$ZENTAVORO_INI"
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log" --button 100x40+250+200
    local app info ax ay cx cy
    app=$(window_named '^Aplicacio de prova$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "the toolbar takes the focus" activate "$main"
    xdotool key --delay 0 ctrl+e
    check "the application is in front again" wait_until 5 is_active "$app"
    # Read now that the window manager has long framed and placed it.
    info=$(xwininfo -id "$app")
    ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    # The button's middle on the screen.
    cx=$((ax + 300)) cy=$((ay + 220))
    has_line() { [ -n "$(program_windows "^$1\$" | head -1)" ]; }
    wait_until 10 has_line SweepLineVertical && wait_until 10 has_line SweepLineHorizontal
    local vline hline
    vline=$(program_windows '^SweepLineVertical$' | head -1)
    hline=$(program_windows '^SweepLineHorizontal$' | head -1)
    check "the program has its two lines" test -n "$vline" -a -n "$hline"
    check "the vertical line sweeps" wait_until 5 is_viewable "$vline"
    check "the horizontal line waits hidden" is_hidden "$hline"
    check "the vertical line spans the screen's height, 3 px wide" \
        sh -c "xwininfo -id $vline | grep -q 'Width: 3' && xwininfo -id $vline | grep -q 'Height: 768'"
    local first second
    first=$(line_at "$vline" x)
    sleep 0.5
    second=$(line_at "$vline" x)
    check "it moves right, about 100 px in half a second ($first -> $second)" \
        test $((second - first)) -ge 60 -a $((second - first)) -le 140
    check "the first press fixes x roughly: the band's line starts before it" \
        press_when_line_in "$vline" x $((cx - 25)) $((cx + 25)) line_went_back "$vline" x
    check "the second fixes it finely: the horizontal line appears" \
        press_when_line_in "$vline" x $((cx - 8)) $((cx + 8)) is_viewable "$hline"
    check "the vertical line stays on the column chosen" is_viewable "$vline"
    local vx
    vx=$(line_at "$vline" x)
    sleep 0.6
    local png
    png=$(screenshot lines)
    check "the lines are red, 3 px thick, over the application and the desktop" pixels_are "$png" FF0000 \
        "$((vx - 1)),$((ay + 50))" "$vx,$((ay + 50))" "$((vx + 1)),$((ay + 50))" "$vx,700"
    check "beside the line the application shows" pixels_are "$png" FFFFFF "$((vx - 2)),$((ay + 50))" "$((vx + 2)),$((ay + 50))"
    check "the first press of y" press_when_line_in "$hline" y $((cy - 12)) $((cy + 12)) line_went_back "$hline" y
    check "the second press of y clicks the button through the lines" \
        press_when_line_in "$hline" y $((cy - 6)) $((cy + 6)) grep -q '^button ' "$tmp/target.log"
    check "exactly once, and none of the four presses reached the application" \
        [ "$(grep -c '^press' "$tmp/target.log")" -eq 1 ]
    check "the pointer was put on the chosen point" \
        sh -c "xdotool getmouselocation | grep -q 'x:$vx '"
    check "sweeping begins again with the vertical line" wait_until 3 is_hidden "$hline"
    xdotool key space
    check "Space stops: the toolbar comes back" wait_until 5 is_viewable "$main"
    check "and the lines are hidden" wait_until 3 is_hidden "$vline"
}
