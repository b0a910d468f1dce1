# The switch whatever becomes of the settings file, typed keys kept off the disk, and one
# program at a time from the moment it starts. Sourced by x11_e2e.sh.

message_title='Brisal 2001 - Zentavoro'
message_count() { program_windows "^$message_title\$" | while read -r w; do is_viewable "$w" && echo "$w"; done | wc -l; }
has_message() { [ "$(message_count)" -ge 1 ]; }
# Says OK to the program's message box.
answer_message() {
    local w
    w=$(program_windows "^$message_title\$" | head -1)
    activate "$w"
    xdotool key Return
    wait_until 5 sh -c "! xwininfo -id $w 2>/dev/null | grep -q IsViewable"
}
file_state() { stat -c '%s %Y' "$1"; sha256sum <"$1"; }

# Scanning three points, the switch clicking on the second and the right button stopping.
switch_clicks_and_stops() {
    write_scan_file "$tmp/work/tres.zvo" 200,300 400,450 500,250
    start_scanning tres.zvo
    check "scanning moves the pointer" wait_until 10 pointer_on 200 300
    check "on to the second point" wait_until 5 pointer_on 400 450
    xdotool click 1
    check "the switch clicks in the application, at the point" wait_until 5 grep -Eq '^press 1 400 450 ' "$tmp/target.log"
    xdotool click 3
    check "the right button stops scanning: the toolbar is back" wait_until 5 is_viewable "$main"
    check "the right button did not reach the application" [ "$(grep -c '^press' "$tmp/target.log")" -eq 1 ]
}

case_switch_with_read_only_settings() {
    # A carer locked the settings.
    printf '[Zentavoro]\r\n%s=15\r\n%s=0\r\n' "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    chmod 444 "$ZENTAVORO_INI"
    local before
    before=$(file_state "$ZENTAVORO_INI")
    switch_clicks_and_stops
    check "nothing was lost, so nothing is said" [ "$(message_count)" -eq 0 ]
    activate "$main"
    xdotool key --clearmodifiers alt+F4
    # The window's size cannot be kept: said once, before the program ends.
    check "closing says that the settings cannot be saved" wait_until 5 has_message
    screenshot read-only-message >/dev/null
    answer_message
    check "the program then ends" wait_until 10 process_ended "$zv_pid"
    check "the settings file is as it was" [ "$(file_state "$ZENTAVORO_INI")" = "$before" ]
}

case_switch_with_a_full_disk() {
    # Global: the trap below runs when this function is long gone.
    disk=$tmp/disk
    mkdir -p "$disk"
    if ! mount -t tmpfs -o size=32k tmpfs "$disk" 2>/dev/null; then
        echo "skipped: no tmpfs can be mounted here"
        exit 77
    fi
    trap 'umount -l "$disk" 2>/dev/null; cleanup' EXIT
    export ZENTAVORO_INI=$disk/Zentavoro.ini
    printf '[Zentavoro]\r\n%s=15\r\n%s=0\r\n' "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    local before
    before=$(file_state "$ZENTAVORO_INI")
    head -c 1M /dev/zero >"$disk/filler" 2>/dev/null
    check "the disk is full" [ "$(df --output=avail -k "$disk" | tail -1 | tr -d ' ')" -eq 0 ]
    switch_clicks_and_stops
    activate "$main"
    # "En ejecución, buscar &fichero de barrido": switched on, it cannot be saved.
    options_menu o f
    check "an option that cannot be saved is said at once" wait_until 5 has_message
    screenshot full-disk-message >/dev/null
    answer_message
    check "the settings file is whole and as it was" [ "$(file_state "$ZENTAVORO_INI")" = "$before" ]
    activate "$main"
    xdotool key --clearmodifiers alt+F4
    check "the program ends without saying it again" wait_until 10 process_ended "$zv_pid"
    check "no message was left open" [ "$(message_count)" -eq 0 ]
    umount -l "$disk"
}

case_typed_keys_stay_off_the_disk() {
    # No settings file yet, in a configuration folder of the user's own.
    unset ZENTAVORO_INI
    export XDG_CONFIG_HOME=$tmp/config
    local ini=$XDG_CONFIG_HOME/zentavoro/Zentavoro.ini
    write_scan_file "$tmp/work/pin.zvo" 100,200 150,200 200,200 250,200 300,200 350,200 400,200 450,200 500,200 550,200
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "the toolbar takes the focus" activate "$main"
    options_menu o d
    check "directed scanning is switched on" wait_until 3 [ -e "$ini" ]
    check "the new settings file is the user's alone" [ "$(stat -c %a "$ini")" = 600 ]
    check "and so is its folder" [ "$(stat -c %a "$(dirname "$ini")")" = 700 ]
    activate "$main"
    xdotool key --clearmodifiers alt+F4
    check "the program ends" wait_until 10 process_ended "$zv_pid"

    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    local app
    app=$(window_named '^Aplicacio de prova$')
    activate "$app"
    start_zentavoro pin.zvo
    check "scanning stands on the first point" wait_until 15 pointer_on 100 200
    main=$(main_window)
    activate "$app"
    local k
    for k in 4 7 1 9; do
        xdotool key "$k"
        sleep 0.3
    done
    check "the digits moved the pointer (9 is the last point)" wait_until 3 pointer_on 550 200
    xdotool key space
    check "Space stops scanning" wait_until 5 is_viewable "$main"
    activate "$main"
    xdotool key --clearmodifiers alt+F4
    check "the program ends" wait_until 10 process_ended "$zv_pid"
    check "the keys reached the application" [ "$(grep -c '^key [4719] ' "$tmp/target.log")" -eq 4 ]
    check "KEYBOARD is at rest" [ "$(ZENTAVORO_INI=$ini ini_value LlibreriaZentavoro KEYBOARD)" = 0 ]
    check "no file holds a key code" no_key_code_in "$tmp"
}
no_key_code_in() { ! grep -rqaE 'KEYBOARD=(4[89]|5[0-7])' "$1" --exclude='*.log'; }

case_two_starts_100_ms_apart() {
    # As a double click on the launcher does it: the second start comes while the first
    # one has no window yet.
    "$zentavoro" >>"$tmp/first.log" 2>&1 &
    local first=$!
    pids+=($first)
    sleep 0.1
    "$zentavoro" >>"$tmp/second.log" 2>&1 &
    local second=$!
    pids+=($second)
    check "a main window appears" wait_main_placed
    check "one of the two starts ends" wait_until 15 sh -c "! kill -0 $first 2>/dev/null || ! kill -0 $second 2>/dev/null"
    sleep 2
    local running=0
    kill -0 "$first" 2>/dev/null && running=$((running + 1))
    kill -0 "$second" 2>/dev/null && running=$((running + 1))
    check "one program runs" [ "$running" -eq 1 ]
    check "with one main window" [ "$(main_windows_count)" -eq 1 ]
    kill -0 "$first" 2>/dev/null && zv_pid=$first || zv_pid=$second
    # Its own start, too, is found: a third start while it runs ends at once.
    "$zentavoro" >>"$tmp/third.log" 2>&1 &
    local third=$!
    pids+=($third)
    check "a third start ends at once" wait_until 5 process_ended "$third"
    check "the program still runs" kill -0 "$zv_pid"

    # While it scans, its toolbar is hidden and the window manager lists it no more: a start
    # then still finds it, and scanning goes on undisturbed.
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"
    write_scan_file "$tmp/work/dos.zvo" 300,300 500,350
    start_zentavoro dos.zvo
    check "the program scans" wait_until 15 pointer_on 300 300
    check "with its toolbar hidden" is_hidden "$(main_window)"
    "$zentavoro" >>"$tmp/fourth.log" 2>&1 &
    local fourth=$!
    pids+=($fourth)
    check "a start while it scans ends" wait_until 15 process_ended "$fourth"
    check "and scanning goes on" wait_until 5 pointer_on 500 350
    check "the toolbar still hidden" is_hidden "$(main_window)"
}
