# Scanning end to end: the pace and the points, the switch, directed scanning and the
# tracking frame's colour. Sourced by x11_e2e.sh, whose helpers these cases use.

# The application stands at 50,150 and is 600 x 400: every point below lies inside it.
app_geometry=600x400+50+150

# Starts the application and the program on a scan file, and waits until the program's
# main window exists (it is hidden again as soon as scanning starts).
start_scanning() { # scan-file
    start_target "Aplicacio de prova" "$app_geometry" "$tmp/target.log"
    app=$(window_named '^Aplicacio de prova$')
    # Away from every point, so that the first placement is seen.
    xdotool mousemove 5 5
    start_zentavoro "$1"
    check "the program starts" wait_until 15 has_main_window
    main=$(main_window)
}

case_scan_pace() {
    local points=(120,200 580,210 560,520 110,500)
    write_scan_file "$tmp/work/ronda.zvo" "${points[@]}"
    printf '[Zentavoro]\r\n%s=5\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
    start_scanning ronda.zvo
    check "scanning puts the pointer on the first point" wait_until 10 pointer_on 120 200
    check "the toolbar is hidden while scanning" is_hidden "$main"
    sample_pointer 5200 >"$tmp/samples"
    check "the pointer visits every point in order, exactly, one every half second" \
        visits_in_order "$tmp/samples" 500 2 "${points[@]}"
    check "the toolbar stays hidden" is_hidden "$main"
    check "scanning alone clicks nothing" [ ! -s "$tmp/target.log" ]
}

case_scan_switch() {
    # xdotool's presses are the user's switch here, as a software switch's would be.
    write_scan_file "$tmp/work/tres.zvo" 200,300 400,450 500,250
    # A step of 1.5 s and a minimum interval of 2 s between two clicks.
    printf '[Zentavoro]\r\n%s=15\r\n%s=20\r\n' "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    start_scanning tres.zvo
    check "scanning puts the pointer on the first point" wait_until 10 pointer_on 200 300
    # Right after the pointer has come to the next point, the press lands there.
    check "and moves on to the second" wait_until 5 pointer_on 400 450
    xdotool click 1
    check "a switch press clicks once in the application, at the point" \
        wait_until 5 grep -Eq '^press 1 400 450 ' "$tmp/target.log"
    sleep 0.5
    xdotool click 1
    sleep 1.5
    check "a second press within the minimum interval clicks nothing" \
        [ "$(grep -c '^press' "$tmp/target.log")" -eq 1 ]
    check "the toolbar is hidden while scanning" is_hidden "$main"
    xdotool click 3
    check "the right button stops scanning: the toolbar is back" wait_until 5 is_viewable "$main"
    local at
    at=$(pointer_position)
    sleep 2
    check "the pointer no longer moves" [ "$(pointer_position)" = "$at" ]
    check "the right button did not reach the application either" \
        [ "$(grep -c '^press' "$tmp/target.log")" -eq 1 ]
}

case_scan_directed() {
    write_scan_file "$tmp/work/cinc.zvo" 100,200 200,250 300,300 400,350 500,400
    printf '[Zentavoro]\r\n%s=5\r\nESCANEIG DIRIGIT=S\xcd\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
    start_scanning cinc.zvo
    check "directed scanning puts the pointer on the first point at once" wait_until 10 pointer_on 100 200
    check "the application has the keyboard" wait_until 5 is_active "$app"
    sample_pointer 1500 >"$tmp/samples"
    check "and no timer moves it on" samples_among "$tmp/samples" 100,200
    xdotool key Tab
    check "Tab steps to the next point" wait_until 3 pointer_on 200 250
    check "the key still reaches the application" wait_until 3 grep -q '^key Tab ' "$tmp/target.log"
    xdotool key 3
    check "the digit 3 jumps to point 3" wait_until 3 pointer_on 400 350
    xdotool key 0
    check "the digit 0 jumps back to point 0" wait_until 3 pointer_on 100 200
    # There is no point 7: nothing moves.
    xdotool key 7
    sleep 1
    check "a digit without its point leaves the pointer where it is" pointer_on 100 200
    check "the toolbar is hidden while scanning" is_hidden "$main"
    xdotool key space
    check "Space stops scanning: the toolbar is back" wait_until 5 is_viewable "$main"
    check "no key made a click" [ "$(grep -c '^press' "$tmp/target.log")" -eq 0 ]
}

case_frame_colour() {
    write_scan_file "$tmp/work/un.zvo" 400,450
    # Pure blue, as the colour dialog writes it (0x00BBGGRR).
    printf '[Zentavoro]\r\n%s=5\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n[LlibreriaZentavoro]\r\nCOLOR=16711680\r\n' \
        "$scan_step_key" >"$ZENTAVORO_INI"
    start_scanning un.zvo
    check "scanning puts the pointer on the point" wait_until 10 pointer_on 400 450
    # The frame is 137 x 137 with bars 8 pixels thick, the point on its pixel 68: it covers
    # 332..468 across and 382..518 down, the hole 340..460 and 390..510.
    frame_shown() {
        local w
        for w in $(xdotool search --pid "$zv_pid" 2>/dev/null); do
            is_viewable "$w" && [ "$(frame_of "$w")" = "332 382 137 137" ] && return 0
        done
        return 1
    }
    check "the frame stands round the point" wait_until 5 frame_shown
    sleep 0.3
    local png
    png=$(screenshot frame)
    check "its four bars are blue, corners included" pixels_are "$png" 0000FF \
        332,450 339,450 461,450 468,450 400,382 400,389 400,511 400,518 332,382 468,518
    check "the hole shows the white application" pixels_are "$png" FFFFFF \
        340,450 460,450 400,390 400,510 430,480 370,420
    check "outside the frame the application is untouched" pixels_are "$png" FFFFFF \
        331,450 469,450 400,381 400,519
}

case_tabs_and_return_one_per_press() {
    # Directed scanning reads the keys the hook reports: the program's own Return reported
    # back would press Return again, for ever, with no minimum interval to stop it.
    write_scan_file "$tmp/work/dos.zvo" 200,300 400,450
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\nENVIAR TABS I RETURN=S\xcd\r\n%s=0\r\n' "$click_interval_key" \
        >"$ZENTAVORO_INI"
    start_scanning dos.zvo
    check "the first step sends a Tab to the application" wait_until 10 grep -q '^key Tab ' "$tmp/target.log"
    activate "$app"
    xdotool mousemove 300 400
    local n
    for n in 1 2 3; do
        xdotool click 1
        check "press $n sends one Return" wait_until 3 test "$(grep -c '^key Return ' "$tmp/target.log")" -ge "$n"
        sleep 0.4
    done
    sleep 1
    check "three presses, three Returns" [ "$(grep -c '^key Return ' "$tmp/target.log")" -eq 3 ]
    check "the switch's presses did not reach the application" [ "$(grep -c '^press' "$tmp/target.log")" -eq 0 ]
}
