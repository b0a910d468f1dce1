# Nothing the carer made is lost: a save killed halfway or refused by a full disk leaves
# the old scan file whole, a recording killed halfway is offered back at the next start,
# and titles in any script name and find their own scan files. Sourced by x11_e2e.sh.

# The toolbar's "&Guardar..." through the File menu, and the save dialog in front.
open_save_dialog() {
    check "the toolbar takes the focus" activate "$main"
    xdotool key --clearmodifiers alt+a
    sleep 0.5
    xdotool key g
    check "the save dialog opens" wait_until 5 has_window_named '^Guardar - Archivo Zentavoro$'
    check "it is in front" wait_until 5 is_active "$(window_named '^Guardar - Archivo Zentavoro$')"
}
# Types a name into the save dialog and says yes to replacing the file it names.
save_over() { # name
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 1
    # Qt's question "... already exists. Do you want to replace it?": Yes by its letter.
    xdotool key y
}
# Loads a scan file from the command line and stops its scanning with the right button.
loaded_and_stopped() { # scan-file first-point
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    xdotool mousemove 5 5
    start_zentavoro "$1"
    check "the program starts" wait_until 15 has_main_window
    main=$(main_window)
    check "scanning reaches the first point" wait_until 10 pointer_on "${2%,*}" "${2#*,}"
    xdotool click 3
    check "the right button stops scanning" wait_until 5 is_viewable "$main"
}

case_save_killed_midway() {
    printf '[Zentavoro]\r\n%s=5\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
    write_scan_file "$tmp/work/nuevo.zvo" 200,300 400,450
    write_scan_file "$tmp/work/carta.zvo" 111,111 222,222 333,333
    cp "$tmp/work/carta.zvo" "$tmp/old.zvo"
    # Every write of this run stops halfway through its temporary file for 30 s.
    export ZENTAVORO_TEST_WRITE_PAUSE_MS=30000
    loaded_and_stopped nuevo.zvo 200,300
    unset ZENTAVORO_TEST_WRITE_PAUSE_MS
    open_save_dialog
    save_over carta.zvo
    check "the new file is being written beside the old one" \
        wait_until 10 sh -c "ls -A '$tmp/work' | grep -q '^\.zentavoro-.*\.tmp\$'"
    kill -9 "$zv_pid"
    check "the program is killed during the save" wait_until 5 process_ended "$zv_pid"
    check "the old scan file is whole" cmp -s "$tmp/work/carta.zvo" "$tmp/old.zvo"
    start_zentavoro carta.zvo
    check "scanning the old file visits its points" wait_until 15 pointer_on 222 222
}

case_save_on_a_full_disk() {
    local disk=$tmp/disk
    mkdir -p "$disk"
    if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
        echo "skipped: mounting a small disk needs root"
        exit 77
    fi
    printf '[Zentavoro]\r\n%s=5\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
    write_scan_file "$tmp/work/nuevo.zvo" 200,300 400,450
    write_scan_file "$disk/carta.zvo" 111,111 222,222 333,333
    cp "$disk/carta.zvo" "$tmp/old.zvo"
    dd if=/dev/zero of="$disk/relleno" bs=4k 2>/dev/null
    loaded_and_stopped nuevo.zvo 200,300
    open_save_dialog
    save_over "$disk/carta.zvo"
    check "a message box says the file was not saved" wait_until 10 has_window_named '^Brisal 2001 - Zentavoro$'
    screenshot full-disk-message >/dev/null
    check "the old scan file is whole" cmp -s "$disk/carta.zvo" "$tmp/old.zvo"
    check "no temporary file is left on the disk" [ "$(ls -A "$disk" | sort | tr '\n' ' ')" = "carta.zvo relleno " ]
    xdotool key Return
    check "the message closes and the program goes on" wait_until 5 sh -c "! xdotool search --name '^Brisal 2001 - Zentavoro\$' >/dev/null"
    # With room again the same save goes through.
    rm -f "$disk/relleno"
    open_save_dialog
    save_over "$disk/carta.zvo"
    write_scan_file "$tmp/expected.zvo" 200,300 400,450
    check "with room on the disk the points are saved" wait_until 5 cmp -s "$disk/carta.zvo" "$tmp/expected.zvo"
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"
}

case_recording_recovered_after_kill() {
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    local app
    app=$(window_named '^Aplicacio de prova$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$app"
    xdotool mousemove 120 220 click 1
    sleep 0.4
    xdotool mousemove 300 330 click 1
    local kept=$tmp/Zentavoro.recording
    check "each point is kept beside the settings file" wait_until 5 grep -q '^300,330' "$kept"
    check "private to the user" [ "$(stat -c %a "$kept")" = 600 ]
    kill -9 "$zv_pid"
    check "the program is killed during the recording" wait_until 5 process_ended "$zv_pid"
    start_zentavoro
    check "the next start asks whether to take the points back" wait_until 15 has_window_named '^Brisal 2001 - Zentavoro$'
    local box
    box=$(window_named '^Brisal 2001 - Zentavoro$')
    check "the question is in front" wait_until 5 is_active "$box"
    screenshot recovery-question >/dev/null
    # Yes is the default button.
    xdotool key Return
    check "the recovery file is gone once answered" wait_until 5 test ! -e "$kept"
    check "the main window appears" wait_main_placed
    open_save_dialog
    # The dialog proposes the recorded window's title, which the mailbox kept.
    xdotool key Return
    write_scan_file "$tmp/expected.zvo" 120,220 300,330
    check "the recovered points are saved under the application's title" \
        wait_until 5 cmp -s "$tmp/work/Aplicacio de prova.zvo" "$tmp/expected.zvo"
    check "the recorded clicks never reached the application" [ "$(grep -c '^press' "$tmp/target.log")" -eq 0 ]
}

case_titles_in_any_script() {
    # xdotool matches the titles as text of the locale.
    export LC_ALL=C.UTF-8
    search_option_ini
    local chinese='计算器' cyrillic='Калькулятор'
    start_target "$chinese" 400x300+20+100 "$tmp/calc.log"
    start_target "$cyrillic" 400x300+500+100 "$tmp/kalk.log"
    # A file for the Cyrillic window, and one whose shorter Cyrillic name would fit its
    # title in code page 1252, where both are question marks (and it sorts first).
    write_scan_file "$tmp/work/$cyrillic.zvo" 600,200 650,250
    write_scan_file "$tmp/work/Блокнот.zvo" 700,300
    local calc kalk
    calc=$(window_named "^$chinese\$")
    kalk=$(window_named "^$cyrillic\$")
    activate "$calc"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$calc"
    xdotool mousemove 100 200 click 1
    sleep 0.4
    xdotool mousemove 150 250 click 1
    sleep 0.4
    xdotool click 3
    check "the right button stops recording and the save dialog opens" \
        wait_until 5 has_window_named '^Guardar - Archivo Zentavoro$'
    sleep 0.5
    screenshot unicode-save-dialog >/dev/null
    xdotool key Return
    write_scan_file "$tmp/expected.zvo" 100,200 150,250
    check "the recording is saved under the Chinese title in full" wait_until 5 cmp -s "$tmp/work/$chinese.zvo" "$tmp/expected.zvo"
    check "the toolbar takes the focus" activate "$main"
    xdotool key --delay 0 ctrl+e
    check "scanning the Chinese window's points" visits 100,200 150,250 100,200
    activate "$kalk"
    check "the Cyrillic window in front scans its own file" visits 600,200 650,250 600,200
    sample_pointer 1500 >"$tmp/samples"
    check "and only its points" samples_among "$tmp/samples" 600,200 650,250
    activate "$calc"
    check "the Chinese window in front again scans its file" visits 100,200 150,250 100,200
    check "no click was made" [ "$(($(presses_in "$tmp/calc.log") + $(presses_in "$tmp/kalk.log")))" -eq 0 ]
}
