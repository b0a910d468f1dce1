# The point editor: three points recorded in the target, one deleted, one moved up, one
# placed again on another button of the target and named, saved, and the file scanned: the
# switch clicks the new places in the new order. Sourced by x11_e2e.sh; uses the helpers of
# cases_follow.sh.

# Where a marker stands: "left top" of the window named after it, when it is shown.
marker_at() { # number
    local w
    w=$(window_named "^PointMarker$1\$") || return 1
    is_viewable "$w" || return 1
    local info
    info=$(xwininfo -id "$w") || return 1
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")"
}
marker_on() { [ "$(marker_at "$1")" = "$2" ]; }
marker_gone() { ! marker_at "$1" >/dev/null; }
title_is() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }

case_point_editor() {
    printf '[Zentavoro]\r\n%s=0\r\n' "$click_interval_key" >"$ZENTAVORO_INI"
    local app
    start_beside_target_with_buttons
    start_recording_from_toolbar "$app"
    button_centres "$app"
    local blank="$((CX + CW / 2)) $((CY + CH / 2))" p
    for p in "$UNO" "$blank" "$DOS"; do
        # shellcheck disable=SC2086
        xdotool mousemove $p click 1
        sleep 0.4
    done
    check "while recording, the toolbar's title counts the points" \
        wait_until 3 title_is "$main" "3 puntos - ${marker}Equip Zentavoro - zentavoro.org"
    xdotool click 3
    check "the stop leaves the program's name in the title" wait_until 5 title_is "$main" Zentavoro

    # Archivo > Editar puntos..., from the keyboard.
    file_menu d
    local editor_title='^Editar puntos - Zentavoro$'
    check "the editor opens" wait_until 5 has_window_named "$editor_title"
    local editor
    editor=$(window_named "$editor_title")
    check "it is in front" wait_until 5 is_active "$editor"
    markers_on_recorded() { marker_on 1 "$UNO" && marker_on 2 "$blank" && marker_on 3 "$DOS"; }
    check "each point has its marker on it" wait_until 5 markers_on_recorded
    sleep 0.5
    screenshot editor-and-markers >/dev/null

    # The blank point goes: Down to it, Alt+B.
    xdotool key Down
    sleep 0.3
    xdotool key alt+b
    check "Alt+B deletes it: two markers are left" wait_until 5 marker_gone 3
    check "the second marker is now on Dos" wait_until 3 marker_on 2 "$DOS"
    # Dos is selected: Alt+S moves it up, before Uno.
    xdotool key alt+s
    check "Alt+S moves Dos up: the first marker is on it" wait_until 3 marker_on 1 "$DOS"
    # Uno, now second, is placed again on Tres by a click.
    xdotool key Down
    sleep 0.3
    xdotool key alt+c
    check "Alt+C puts the editor aside" wait_until 5 is_hidden "$editor"
    check "and the title says what the next click does" \
        wait_until 3 title_is "$main" "Colocar 2 (Esc) - Zentavoro"
    # shellcheck disable=SC2086
    xdotool mousemove $TRES click 1
    check "the click brings the editor back" wait_until 5 is_viewable "$editor"
    check "the second point's marker is on Tres" wait_until 3 marker_on 2 "$TRES"
    check "the hook took the click: no button of the target was pressed" [ "$(grep -c '^button' "$tmp/target.log")" -eq 0 ]
    check "the title is the program's name again" title_is "$main" Zentavoro
    sleep 0.5
    screenshot editor-mended >/dev/null
    # Escape gives a place up: the editor comes back and nothing has moved.
    xdotool key alt+c
    check "Alt+C again puts the editor aside" wait_until 5 is_hidden "$editor"
    xdotool key Escape
    check "Escape brings it back" wait_until 5 is_viewable "$editor"
    check "with the points where they were" marker_on 2 "$TRES"
    check "the editor has the keyboard again" wait_until 5 is_active "$editor"
    # The second point named from the keyboard: Alt+N to the name field, the name, Enter.
    xdotool key alt+n
    sleep 0.3
    # (Letters of the keyboard only: xdotool types others by remapping a key, which races.)
    xdotool type --delay 30 "Boton Tres"
    sleep 0.3
    xdotool key Return
    sleep 0.5
    screenshot editor-renamed >/dev/null
    xdotool key alt+e
    check "Alt+E closes the editor" wait_until 5 is_hidden "$editor"
    check "and the markers go with it" wait_until 3 marker_gone 1

    # Guardar saves the mended set under the proposed title.
    file_menu g
    local saved="$tmp/work/Aplicacio de prova.zvo"
    save_as_proposed "$saved"
    # shellcheck disable=SC2086
    write_scan_file "$tmp/expected.zvo" "$(tr ' ' , <<<"$DOS")" "$(tr ' ' , <<<"$TRES")"
    printf '//zv names 1\r\n//zv name 2 "Boton Tres"\r\n' >>"$tmp/expected.zvo"
    check "it holds Dos and Tres, in that order, and the name given to Tres" cmp "$saved" "$tmp/expected.zvo"
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"

    # Opened again and scanned, directed so that each right press steps: the switch clicks
    # the new places in the new order.
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\n%s=0\r\n' "$click_interval_key" >"$ZENTAVORO_INI"
    start_zentavoro "Aplicacio de prova.zvo"
    # shellcheck disable=SC2086
    check "scanning starts on Dos" wait_until 15 pointer_on $DOS
    sleep 0.3
    check "the switch clicks Dos" press_until 1 clicked_at_least Dos 1
    sleep 0.5
    # shellcheck disable=SC2086
    check "the right button steps on to Tres" press_until 3 pointer_on $TRES
    sleep 0.3
    check "the switch clicks Tres" press_until 1 clicked_at_least Tres 1
    check "Dos was clicked before Tres, and Uno never" \
        [ "$(grep -o '^button [A-Za-z]*' "$tmp/target.log" | tr '\n' ' ')" = "button Dos button Tres " ]
}

# Archivo > Ayuda... opens the carers' help where the build put it, with the desktop's
# opener (here a stand-in that writes down what it was asked to open).
case_help_entry() {
    mkdir -p "$tmp/bin"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$tmp" >"$tmp/bin/xdg-open"
    chmod +x "$tmp/bin/xdg-open"
    PATH="$tmp/bin:$PATH" start_zentavoro
    check "the main window appears" wait_main_placed
    check "the toolbar takes the focus" activate "$main"
    # "Ayuda..." has no access key: the second entry from the bottom of the File menu.
    xdotool key --clearmodifiers alt+a
    sleep 0.5
    xdotool key Up Up Return
    check "the help is opened" wait_until 5 test -s "$tmp/opened"
    local opened
    opened=$(head -1 "$tmp/opened" 2>/dev/null)
    check "it is the help in UTF-8 ($opened)" sh -c "test -f '$opened' && iconv -f UTF-8 -t UTF-8 '$opened' >/dev/null"
    check "the Linux one" grep -qF '~/.config/zentavoro' "$opened"
}
