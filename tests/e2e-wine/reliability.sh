#!/bin/bash
# The Windows build under Wine: the switch clicks and stops whatever becomes of the
# settings file, which says once when it cannot be written; typed keys reach no file; two
# starts 100 ms apart leave one program.
. "$(dirname "$0")/lib.sh"

MESSAGE_TITLE='Brisal 2001 - Zentavoro'
start_target() { target_start "Target window" 100 100 600 400; }
has_message() { has_toolbar "$MESSAGE_TITLE"; }
answer_message() {
    key_to "$(toolbar_window "$MESSAGE_TITLE")" Return
    wait_for 5 no_toolbar "$MESSAGE_TITLE" || fail "the message did not close"
}
file_state() { stat -c '%s %Y' "$1"; md5sum <"$1"; }

# Scanning two points, a press clicking on the first, the right button stopping.
switch_clicks_and_stops() {
    scan_file puntos.zvo 300,300 500,350
    start_target
    zv_start puntos.zvo
    wait_pointer_at 30 300 300 || fail "the pointer never reached the first point"
    sleep 0.3
    xdotool click 1
    wait_for 3 grep -q " LDOWN 300 300$" "$TARGET_LOG" || fail "the switch made no click at the point"
    xdotool click 3
    wait_for 5 has_toolbar || fail "the right button did not stop scanning"
    [ "$(target_count RDOWN)" -eq 0 ] || fail "the right button reached the target"
}

case_switch_with_a_read_only_settings_file() {
    printf '[Zentavoro]\r\n%s=20\r\n%s=0\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    chmod 444 "$INI"
    local before; before=$(file_state "$INI")
    switch_clicks_and_stops
    sleep 0.5
    has_message && fail "a message came though nothing was lost"
    # The window's size cannot be kept when the program closes: said once, then it ends.
    key_to "$(toolbar_window)" alt+F4
    wait_for 10 has_message || fail "closing did not say that the settings cannot be saved"
    import -window root "$WORK/read-only-message.png" 2>/dev/null
    answer_message
    wait_for 15 zv_ended || fail "the program did not end"
    [ "$(file_state "$INI")" = "$before" ] || fail "the read-only settings file changed"
}

case_switch_with_a_full_disk() {
    DISK="$WORK/disk"
    mkdir -p "$DISK"
    mount -t tmpfs -o size=32k tmpfs "$DISK" 2>/dev/null || skip "no tmpfs can be mounted here"
    trap 's=$?; umount -l "$DISK" 2>/dev/null; (exit $s); end_case' EXIT
    INI="$DISK/Zentavoro.ini"
    ZENTAVORO_INI=$(windows_path "$INI")
    printf '[Zentavoro]\r\n%s=20\r\n%s=0\r\n' "$KEY_STEP" "$KEY_INTERVAL" > "$INI"
    local before; before=$(file_state "$INI")
    head -c 1M /dev/zero > "$DISK/filler" 2>/dev/null
    [ "$(df --output=avail -k "$DISK" | tail -1 | tr -d ' ')" -eq 0 ] || fail "the disk is not full"
    switch_clicks_and_stops
    # Opciones, then its second entry: "En ejecución, buscar fichero de barrido".
    key_to "$(toolbar_window)" alt+o sleep 0.4 key Down sleep 0.2 key Return
    wait_for 10 has_message || fail "an option that cannot be saved was not said"
    import -window root "$WORK/full-disk-message.png" 2>/dev/null
    answer_message
    [ "$(file_state "$INI")" = "$before" ] || fail "the settings file changed on the full disk"
    key_to "$(toolbar_window)" alt+F4
    wait_for 15 zv_ended || fail "the program did not end (a second message?)"
    has_message && fail "a second message was left open"
    return 0
}

case_typed_keys_stay_off_the_disk() {
    printf '[Zentavoro]\r\nESCANEIG DIRIGIT=S\xcd\r\n' > "$INI"
    scan_file pin.zvo 150,150 200,150 250,150 300,150 350,150 400,150 450,150 500,150 550,150 600,150
    start_target
    zv_start pin.zvo
    wait_pointer_settled 30 150 150 || fail "directed scanning did not place the pointer on point 0"
    local w; w=$(xdotool search --name "Target window" | head -1)
    xdotool windowactivate --sync "$w" 2>/dev/null; sleep 0.3
    local k
    for k in 4 7 1 9; do xdotool key "$k"; sleep 0.4; done
    wait_pointer_settled 3 600 150 || fail "the digits did not move the pointer to point 9"
    [ "$(grep -c ' KEYDOWN \(52\|55\|49\|57\)$' "$TARGET_LOG")" -eq 4 ] || fail "the keys did not all reach the target"
    xdotool key space
    wait_for 5 has_toolbar || fail "space did not stop scanning"
    zv_close
    [ "$(ini_get LlibreriaZentavoro KEYBOARD)" = 0 ] || fail "KEYBOARD is not at rest: '$(ini_get LlibreriaZentavoro KEYBOARD)'"
    if grep -rqaE 'KEYBOARD=(4[89]|5[0-7])' "$WORK" "$WINEPREFIX/drive_c/users" 2>/dev/null; then
        fail "a key code is in a file: $(grep -rlaE 'KEYBOARD=(4[89]|5[0-7])' "$WORK" "$WINEPREFIX/drive_c/users" | head -3)"
    fi
}

case_two_starts_100_ms_apart() {
    # As a double click on the launcher does it: the second start comes while the first
    # one has no window yet.
    zv_start
    local first=$ZV_PID
    sleep 0.1
    zv_start
    local second=$ZV_PID
    zv_wait_toolbar
    wait_for 20 sh -c "! kill -0 $first 2>/dev/null || ! kill -0 $second 2>/dev/null" || fail "both starts still run"
    sleep 2
    local running=0
    kill -0 "$first" 2>/dev/null && running=$((running + 1))
    kill -0 "$second" 2>/dev/null && running=$((running + 1))
    [ "$running" -eq 1 ] || fail "$running programs run"
    [ "$(xdotool search --onlyvisible --name "$MARKER" | wc -l)" -eq 1 ] || fail "more than one toolbar"
    kill -0 "$first" 2>/dev/null && ZV_PID=$first || ZV_PID=$second
    zv_close
}

begin_case
"case_$1"
