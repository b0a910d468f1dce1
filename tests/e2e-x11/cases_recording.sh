# Recording a sequence and saving it under the application's title, loading it back, and
# window matching between two applications. Sourced by x11_e2e.sh.

# The search-scan-file option on, a step of half a second.
search_option_ini() {
    printf '[Zentavoro]\r\n%s=5\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
}
presses_in() { grep -c '^press' "$1" 2>/dev/null; }

# The pointer rests on each point in turn, starting again from the first.
visits() { # point...
    local p
    for p in "$@"; do
        wait_until 5 pointer_on "${p%,*}" "${p#*,}" || return 1
    done
}

case_record_save_load() {
    search_option_ini
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    local app
    app=$(window_named '^Aplicacio de prova$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$app"
    local p
    for p in 120,220 300,330 520,480; do
        xdotool mousemove "${p%,*}" "${p#*,}" click 1
        sleep 0.4
    done
    check "without the real-click option the application receives none of the clicks" \
        [ "$(presses_in "$tmp/target.log")" -eq 0 ]
    xdotool click 3
    local title='^Guardar - Archivo Zentavoro$'
    check "the right button stops recording and the save dialog opens" wait_until 5 has_window_named "$title"
    local dialog
    dialog=$(window_named "$title")
    check "the save dialog is in front" wait_until 5 is_active "$dialog"
    check "the main window's title is now the program's name" [ "$(xdotool getwindowname "$main")" = Zentavoro ]
    sleep 0.5
    screenshot save-dialog >/dev/null
    # The proposed name is the application's title; the dialog adds the extension.
    xdotool key Return
    local saved="$tmp/work/Aplicacio de prova.zvo"
    check "the file is saved under the application's title" wait_until 5 test -f "$saved"
    write_scan_file "$tmp/expected.zvo" 120,220 300,330 520,480
    check "it holds the three points, in order" cmp -s "$saved" "$tmp/expected.zvo"
    check "the right button reached the application neither" [ "$(presses_in "$tmp/target.log")" -eq 0 ]

    # Opened again through the File menu ("&Archivo", "&Abrir..."), it is scanned.
    check "the toolbar takes the focus again" activate "$main"
    xdotool key --clearmodifiers alt+a
    sleep 0.5
    xdotool key a
    title='^Abrir - Archivo Zentavoro$'
    check "the open dialog opens" wait_until 5 has_window_named "$title"
    check "it is in front" wait_until 5 is_active "$(window_named "$title")"
    xdotool mousemove 5 5
    xdotool type --delay 20 "Aplicacio de prova.zvo"
    xdotool key Return
    check "loading the saved file scans its points in order" visits 120,220 300,330 520,480 120,220
    check "the toolbar is hidden while scanning" is_hidden "$main"
}

case_window_matching() {
    search_option_ini
    write_scan_file "$tmp/work/Alfa.zvo" 100,200 150,250
    write_scan_file "$tmp/work/Beta.zvo" 600,200 650,250
    start_target "Finestra Alfa" 400x400+20+100 "$tmp/alfa.log"
    start_target "Finestra Beta" 400x400+500+100 "$tmp/beta.log"
    local alfa beta
    alfa=$(window_named '^Finestra Alfa$')
    beta=$(window_named '^Finestra Beta$')
    activate "$alfa"
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "the toolbar takes the focus" activate "$main"
    # Scanning starts with no points: the file of the window in front is looked for.
    xdotool key --delay 0 ctrl+e
    check "the application in front before, Alfa, is in front again" wait_until 5 is_active "$alfa"
    check "its scan file is loaded and scanned" visits 100,200 150,250 100,200
    activate "$beta"
    check "bringing Beta to the front scans Beta's file" visits 600,200 650,250 600,200
    sample_pointer 2000 >"$tmp/samples"
    check "and only Beta's points" samples_among "$tmp/samples" 600,200 650,250
    check "the toolbar stays hidden through the change" is_hidden "$main"
    activate "$alfa"
    check "Alfa in front again scans Alfa's file again" visits 100,200 150,250 100,200
    check "no click was made" [ "$(($(presses_in "$tmp/alfa.log") + $(presses_in "$tmp/beta.log")))" -eq 0 ]
}

case_twenty_recordings() {
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    start_zentavoro
    check "the main window appears" wait_main_placed
    local i clicks stopped=0
    for i in $(seq 20); do
        activate "$main" || break
        xdotool key --clearmodifiers ctrl+b
        sleep 0.5
        # A recorded press, then the right button.
        xdotool mousemove 300 300 click 1
        sleep 0.2
        xdotool click 3
        sleep 0.3
        # Stopped: the buttons are no longer taken, a press reaches the application again.
        clicks=$(presses_in "$tmp/target.log")
        xdotool mousemove 320 320 click 1
        wait_until 3 test "$(presses_in "$tmp/target.log")" -gt "$clicks" || break
        stopped=$((stopped + 1))
    done
    check "twenty recordings in a row, each stopped by the right button ($stopped stopped)" [ "$stopped" -eq 20 ]
    check "no right press reached the application" [ "$(grep -c '^press 3' "$tmp/target.log")" -eq 0 ]
}
