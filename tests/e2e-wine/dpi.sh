#!/bin/bash
# The Windows build on screens scaled beyond 96 pixels per inch, under Wine with its
# resolution set (the LogPixels setting): the toolbar, the tracking frame and the About
# box drawn at the screen's scale, and points recorded and scanned on the very pixels
# clicked. Pictures of what was seen go to ZENTAVORO_E2E_SHOTS when it names a folder.
. "$(dirname "$0")/lib.sh"

DPI=96

# Wine reads the resolution when a program starts; the prefix is shared by every case, so
# the setting is taken back whatever happens.
set_dpi() {
    DPI=$1
    [ "$DPI" -eq 96 ] && return 0
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1 ||
        fail "could not set Wine's resolution"
    trap 'wine reg delete "HKCU\\Control Panel\\Desktop" /v LogPixels /f >/dev/null 2>&1; end_case' EXIT
}

# A design length at this resolution, rounded as the program rounds it (MulDiv).
scaled() { echo $(( ($1 * DPI + 48) / 96 )); }

shot() {  # shot NAME [CROP]: keeps a picture of the screen
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] || return 0
    mkdir -p "$ZENTAVORO_E2E_SHOTS"
    import -window root ${2:+-crop "$2"} "$ZENTAVORO_E2E_SHOTS/$1-${DPI}dpi.png"
    note "picture: $ZENTAVORO_E2E_SHOTS/$1-${DPI}dpi.png"
}

# Pixels of pure enough red in a part of the last screen picture: red_pixels WxH+X+Y
red_pixels() {
    convert "$WORK/screen.png" -crop "$1" +repage txt:- |
        awk -F'[(),]' 'NR > 1 && $3 > 200 && $4 < 80 && $5 < 80 { n++ } END { print n + 0 }'
}

within() {  # within VALUE LOW HIGH
    [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]
}

# The frame, the toolbar and the About box at one resolution, each measured against its
# design at 96 pixels per inch.
drawn_at_scale() {
    command -v import >/dev/null && command -v convert >/dev/null || skip "ImageMagick is not installed"
    set_dpi "$1"
    printf '[Zentavoro]\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n%s=30\r\n' "$KEY_STEP" > "$INI"
    scan_file puntos.zvo 400,450
    target_start "Target window" 50 250 700 450

    # The frame round the point: 137 px square with bars of 8 at 96.
    zv_start puntos.zvo
    wait_pointer_at 40 400 450 || fail "the pointer never reached the point"
    sleep 0.5
    import -window root "$WORK/screen.png"
    local size bar; size=$(scaled 137) bar=$(scaled 8)
    local left=$((400 - size / 2)) top=$((450 - size / 2))
    local right=$((left + size - 1)) bottom=$((top + size - 1))
    note "frame expected at $left,$top, $size px square, bars of $bar"
    shot frame "$((size + 40))x$((size + 40))+$((left - 20))+$((top - 20))"
    local at
    for at in "$left 450" "$((left + bar - 1)) 450" "$right 450" "$((right - bar + 1)) 450" "400 $top" "400 $((top + bar - 1))" "400 $bottom"; do
        [ "$(pixel $at)" = "255,0,0" ] || fail "no red bar at $at: $(pixel $at)"
    done
    for at in "$((left + bar)) 450" "$((right - bar)) 450" "400 $((top + bar))" "$((left - 1)) 450" "$((right + 1)) 450" "400 450"; do
        [ "$(pixel $at)" = "255,255,255" ] || fail "not the target's white at $at: $(pixel $at)"
    done

    # The right button stops scanning and brings the toolbar back.
    xdotool click 3
    zv_wait_toolbar
    sleep 1
    local w; w=$(toolbar_window)
    geometry "$w"
    note "toolbar at $WX,$WY ${WW}x$WH (menu bar and client area)"
    # 157 px wide at 96 (the outer 165 less the window manager's frame).
    within "$WW" $(( $(scaled 157) - 6 )) $(( $(scaled 157) + 6 )) || fail "the toolbar is $WW px wide, not about $(scaled 157)"
    import -window root "$WORK/screen.png"
    shot toolbar "$((WW + 20))x$((WH + 40))+$((WX - 10))+0"
    # The red disc of "Grabar" is 92 px at 96: scaled in both directions, smoothed at its rim.
    local red; red=$(red_pixels "${WW}x${WH}+${WX}+${WY}")
    local expected=$(( 92 * DPI * DPI / 96 / 96 ))
    within "$red" $(( expected * 8 / 10 )) $(( expected * 12 / 10 )) || fail "$red red pixels on the toolbar, not about $expected"

    # The About box: its client area is 305 x 385 at 96, with the OK button at its foot.
    key_to "$w" alt+a
    sleep 0.5
    xdotool key c
    wait_for 10 eval '[ -n "$(xdotool search --onlyvisible --name "^[0-9]+-[0-9]+-" 2>/dev/null | head -1)" ]' || fail "the About box did not open"
    local about; about=$(xdotool search --onlyvisible --name "^[0-9]+-[0-9]+-" | head -1)
    sleep 4
    geometry "$about"
    note "About box at $WX,$WY ${WW}x$WH"
    within "$WW" $(( $(scaled 305) - 2 )) $(( $(scaled 305) + 2 )) && within "$WH" $(( $(scaled 385) - 2 )) $(( $(scaled 385) + 2 )) ||
        fail "the About box's client area is ${WW}x$WH, not $(scaled 305)x$(scaled 385)"
    shot about "$((WW + 20))x$((WH + 40))+$((WX - 10))+$((WY - 30))"
    # "D'acord" (client 111, 352, 77 x 27), there to be clicked: nothing cut off.
    xdotool mousemove $((WX + $(scaled 149))) $((WY + $(scaled 365))) sleep 0.2 click 1
    wait_for 10 eval '[ -z "$(xdotool search --onlyvisible --name "^[0-9]+-[0-9]+-" 2>/dev/null)" ]' || fail "the About box stayed open"
}

case_toolbar_about_box_and_frame_at_96_dpi() { drawn_at_scale 96; }
case_toolbar_about_box_and_frame_at_144_dpi() { drawn_at_scale 144; }

# Recorded at 144 pixels per inch, the points are the pixels clicked; scanned, the pointer
# stands on them and the switch clicks there.
case_points_recorded_and_scanned_at_144_dpi_are_the_pixels_clicked() {
    set_dpi 144
    local title="Carta de prueba"
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=20\r\n' "$KEY_STEP" > "$INI"
    target_start "$title" 100 100 600 400
    zv_start
    zv_wait_toolbar
    local w; w=$(toolbar_window)
    key_to "$w" ctrl+b
    sleep 1
    local p
    for p in "251 221" "613 457"; do
        xdotool mousemove $p sleep 0.2 click 1 sleep 0.6
    done
    xdotool click 3
    save_as_proposed "$WORK/$title.zvo"
    local expected
    expected=$(printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 2\r\n251,221\r\n613,457\r\n')
    [ "$(cat "$WORK/$title.zvo")" = "$expected" ] || fail "the scan file holds: $(od -c "$WORK/$title.zvo" | head -8)"
    zv_close "Zentavoro"

    zv_start "$title.zvo"
    wait_pointer_settled 30 251 221 || fail "the pointer did not stand on (251,221)"
    xdotool click 1
    wait_for 3 target_has 1 LDOWN || fail "the switch press made no click in the target"
    grep -q " LDOWN 251 221$" "$TARGET_LOG" || fail "the click landed elsewhere: $(grep LDOWN "$TARGET_LOG")"
    wait_pointer_settled 10 613 457 || fail "the pointer did not go on to (613,457)"
}

begin_case
"case_$1"
