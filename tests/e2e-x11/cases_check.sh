# The check before the click, with points that follow their window: a calculator's keypad
# whose buttons stretch with the window is recorded, enlarged by half and scanned: every
# click lands on the button recorded. Covered by another window, no point is clicked and
# the frame shows red; Space stops the scan and is typed nowhere. Sourced by x11_e2e.sh.

# The centre of the target's key of the given index (0 for 7, 1 for 8 ... 8 for 3) in a
# client area at CX CY of CW x CH, as the target lays its keys out.
key_centre() {
    local i=$1 cell_w cell_h
    cell_w=$(((CW - 20 + 6) / 3))
    cell_h=$(((CH - 20 + 6) / 3))
    echo "$((CX + 10 + (i % 3) * cell_w + (cell_w - 6 + 2) / 2)) $((CY + 10 + (i / 3) * cell_h + (cell_h - 6 + 2) / 2))"
}
# Whether the pointer stands on the key of the given index, within 4 px of its middle.
pointer_near_key() {
    local cx cy px py
    read -r cx cy <<<"$(key_centre "$1")"
    read -r px py <<<"$(pointer_position)"
    [ $((px - cx)) -le 4 ] && [ $((cx - px)) -le 4 ] && [ $((py - cy)) -le 4 ] && [ $((cy - py)) -le 4 ]
}
keys_logged() { grep -c "^button $1 1 " "$tmp/calc.log" 2>/dev/null; }
# The share of pure red pixels in a screenshot, in thousandths.
red_share() {
    convert "$1" -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' -format '%[fx:int(1000*mean)]' info:
}

case_check_point() {
    local check_key=$'COMPROVAR EL PUNT ABANS DEL CLIC'
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\n%s=S\xcd\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=0\r\n' \
        "$check_key" "$click_interval_key" >"$ZENTAVORO_INI"
    "$target" --title "Calculadora" --geometry 240x240+60+140 --log "$tmp/calc.log" --grid &
    pids+=($!)
    check "the calculator appears" wait_until 10 has_window_named '^Calculadora$'
    local app
    app=$(window_named '^Calculadora$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$app"
    client_area "$app"
    # 7, 8 and 5: the corner key, the middle of the top row, the centre.
    local p
    for p in 0 1 4; do
        # shellcheck disable=SC2046
        xdotool mousemove $(key_centre $p) click 1
        sleep 0.4
    done
    check "recording takes the presses: no key was pressed" [ "$(grep -c '^button' "$tmp/calc.log")" -eq 0 ]
    xdotool click 3
    local saved="$tmp/work/Calculadora.zvo"
    save_as_proposed "$saved"
    check "it holds a picture of each point's spot" \
        [ "$(grep -ac '^//zv picture [123] ' "$saved")" -eq 3 ] && grep -aq '^//zv pictures 1' "$saved"
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"

    # Enlarged by half: the keys grow with the window, their digits do not, and the places
    # the edges give fall off the keys' middles (the 8's on the gap before it).
    xdotool windowsize --sync "$app" 360 360
    check "the calculator is enlarged by half" wait_until 5 sh -c "xwininfo -id $app | grep -q 'Width: 360\$'"
    client_area "$app"
    printf '[Zentavoro]\r\nPUNTS SEGUEIXEN LA FINESTRA=S\xcd\r\n%s=S\xcd\r\nESCANEIG DIRIGIT=S\xcd\r\n%s=0\r\n' \
        "$check_key" "$click_interval_key" >"$ZENTAVORO_INI"
    activate "$app"
    start_zentavoro "Calculadora.zvo"
    check "the main window appears" wait_until 15 has_main_window
    main=$(main_window)
    local names=(7 8 5) keys=(0 1 4) i
    for i in 0 1 2; do
        check "the pointer is placed on the middle of the ${names[i]}" wait_until 10 pointer_near_key "${keys[i]}"
        sleep 0.6
        screenshot "enlarged-${names[i]}" >/dev/null
        check "the switch clicks the ${names[i]}" press_until 1 clicked_key_at_least "${names[i]}" 1
        sleep 0.5
        xdotool click 3
        sleep 0.6
    done
    check "every press of the switch landed on the key recorded" \
        [ "$(grep -c '^press 1 ' "$tmp/calc.log")" -eq 3 ] && [ "$(grep -c '^button' "$tmp/calc.log")" -eq 3 ]

    # Another window over the calculator, in front: its points are not clicked.
    "$target" --title "Tapadera" --geometry 400x400+40+100 --log "$tmp/cover.log" &
    pids+=($!)
    check "the covering window appears" wait_until 10 has_window_named '^Tapadera$'
    check "the covering window is in front" wait_until 5 is_active "$(window_named '^Tapadera$')"
    sleep 0.5
    # The next step places the 7, under the cover.
    xdotool click 3
    sleep 0.8
    local shot
    shot=$(screenshot covered)
    check "the frame shows red round a point whose window is not in front" [ "$(red_share "$shot")" -ge 1 ]
    xdotool click 1
    sleep 0.8
    check "the switch clicks nothing: no press reached the calculator" [ "$(grep -c '^press' "$tmp/calc.log")" -eq 3 ]
    check "nor the covering window" [ "$(grep -c '^press' "$tmp/cover.log")" -eq 0 ]
    # Space stops scanning and is not typed into the window in front.
    xdotool key space
    check "Space stops scanning: the toolbar is back" wait_until 5 is_viewable "$main"
    sleep 0.3
    check "the Space was typed nowhere" [ "$(grep -c '^key space' "$tmp/cover.log" "$tmp/calc.log" | awk -F: '{s += $2} END {print s}')" -eq 0 ]
}
clicked_key_at_least() { [ "$(keys_logged "$1")" -ge "$2" ]; }

# A GTK program's open menu holds the pointer: the switch's press made then is reported
# once (the program clicks once), and one press of the right button stops scanning.
raw_left_presses() { grep -c '^raw 1 ' "$tmp/raw.log" 2>/dev/null; }
case_stop_while_menu_open() {
    local menu_target=$here/../../tools/gtk-menu-target/menu_target.py
    /usr/bin/python3 -c 'import gi; gi.require_version("Gtk", "3.0")' 2>/dev/null ||
        { echo "skipped: python3-gi and GTK 3 are not installed"; exit 77; }
    printf '[Zentavoro]\r\n%s=0\r\n' "$click_interval_key" >"$ZENTAVORO_INI"
    "$target" --title "Testigo" --geometry 120x60+800+600 --log "$tmp/raw.log" --watch &
    pids+=($!)
    "$menu_target" "Menus" 300x200+100+100 "$tmp/menus.log" 2>>"$tmp/gtk.err" &
    pids+=($!)
    check "the GTK window appears" wait_until 10 has_window_named '^Menus$'
    local app
    app=$(window_named '^Menus$')
    activate "$app"
    client_area "$app"
    # The one point: on the menu bar's "Archivo".
    local px=$((CX + 30)) py=$((CY + 12))
    write_scan_file "$tmp/work/menus.zvo" "$px,$py"
    start_zentavoro menus.zvo
    check "the main window appears" wait_until 15 has_main_window
    main=$(main_window)
    check "scanning puts the pointer on Archivo" wait_until 10 pointer_on $px $py
    check "the toolbar is hidden while scanning" wait_until 5 is_hidden "$main"
    sleep 0.5
    xdotool click 1
    check "the switch clicks Archivo: its menu opens and holds the pointer" \
        wait_until 5 grep -q '^menu shown' "$tmp/menus.log"
    sleep 1
    local before
    before=$(raw_left_presses)
    xdotool click 1
    # The user's press, which the menu takes, and the program's one click.
    check "a switch press while the menu holds the pointer makes one click" \
        wait_until 5 test "$(raw_left_presses)" -ge $((before + 2))
    sleep 1.5
    check "and only one" test "$(raw_left_presses)" -eq $((before + 2))
    screenshot menu-open >/dev/null
    # The user's press closed the menu, the program's click opened it again.
    check "the menu is open again, holding the pointer" [ "$(grep '^menu' "$tmp/menus.log" | tail -1)" = "menu shown" ]
    xdotool click 3
    check "one press of the right button stops scanning: the toolbar is back" wait_until 5 is_viewable "$main"
}
