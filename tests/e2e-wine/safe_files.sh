#!/bin/bash
# Nothing the carer made is lost, on the Windows build under Wine: a save killed halfway or
# refused by a full disk leaves the old scan file whole, a recording killed halfway is
# offered back at the next start, and titles in Chinese and Cyrillic name and find their
# own scan files.
. "$(dirname "$0")/lib.sh"

SAVE_TITLE="Guardar - Archivo Zentavoro"
QUESTION_TITLE="Brisal 2001 - Zentavoro"

click_toolbar() {  # click_toolbar X Y [TITLE]: a click on a client point of the toolbar
    geometry "$(toolbar_window "${3:-$MARKER}")"
    xdotool mousemove $((WX + $1)) $((WY + MENU_H + $2)) sleep 0.2 click 1
}

# Loads a scan file from the command line and stops its scanning with the right button.
loaded_and_stopped() {  # scan-file x y of its first point
    target_start "Target window" 100 100 600 400
    zv_start "$1"
    wait_pointer_at 30 "$2" "$3" || fail "scanning never reached the first point"
    xdotool click 3
    wait_for 10 has_toolbar || fail "the right button did not stop scanning"
}

# "&Guardar..." from the File menu; the name typed over the proposed one; yes to replacing.
save_as() {  # name (a Windows path or a name in the work folder)
    key_to "$(toolbar_window)" alt+a
    sleep 0.5
    xdotool key g
    wait_for 15 has_toolbar "$SAVE_TITLE" || fail "no save dialog from the File menu"
    key_to "$(toolbar_window "$SAVE_TITLE")" ctrl+a
    xdotool type --delay 30 "$1"
    xdotool key Return
    sleep 1
    # The common dialog asks before replacing a file: Yes is its default button.
    xdotool key Return
}

case_a_save_killed_midway_leaves_the_old_file_whole() {
    printf '[Zentavoro]\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    scan_file nuevo.zvo 200,300 400,450
    scan_file carta.zvo 111,111 222,222 333,333
    cp "$WORK/carta.zvo" "$WORK/old.zvo"
    # Every write of this run stops halfway through its temporary file for 30 s.
    export ZENTAVORO_TEST_WRITE_PAUSE_MS=30000
    loaded_and_stopped nuevo.zvo 200 300
    save_as carta.zvo
    wait_for 15 sh -c "ls '$WORK' | grep -q '^~zentavoro-.*\.tmp\$'" || fail "no temporary file is being written: $(ls "$WORK")"
    kill -9 "$ZV_PID"
    wait_for 10 zv_ended || fail "the program survived kill -9"
    cmp -s "$WORK/carta.zvo" "$WORK/old.zvo" || fail "the old scan file changed: $(od -c "$WORK/carta.zvo" | head -5)"
    unset ZENTAVORO_TEST_WRITE_PAUSE_MS
    wineserver -k 2>/dev/null
    zv_start carta.zvo
    wait_pointer_at 30 222 222 || fail "the old file no longer scans"
}

case_a_save_on_a_full_disk_leaves_the_old_file_whole() {
    local disk=$WORK/disk
    mkdir -p "$disk"
    mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null || skip "mounting a small disk needs root"
    printf '[Zentavoro]\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    scan_file nuevo.zvo 200,300 400,450
    scan_file disk/carta.zvo 111,111 222,222 333,333
    cp "$disk/carta.zvo" "$WORK/old.zvo"
    dd if=/dev/zero of="$disk/relleno" bs=4k 2>/dev/null
    loaded_and_stopped nuevo.zvo 200 300
    save_as "$(windows_path "$disk/carta.zvo")"
    wait_for 15 has_toolbar "$QUESTION_TITLE" || fail "no message after a save on a full disk"
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] && mkdir -p "$ZENTAVORO_E2E_SHOTS" && import -window root "$ZENTAVORO_E2E_SHOTS/wine-full-disk-message.png"
    cmp -s "$disk/carta.zvo" "$WORK/old.zvo" || fail "the old scan file changed: $(od -c "$disk/carta.zvo" | head -5)"
    [ "$(ls -A "$disk" | sort | tr '\n' ' ')" = "carta.zvo relleno " ] || fail "the disk holds: $(ls -A "$disk")"
    key_to "$(toolbar_window "$QUESTION_TITLE")" Return
    wait_for 10 no_toolbar "$QUESTION_TITLE" || fail "the message did not close"
    rm -f "$disk/relleno"
    save_as "$(windows_path "$disk/carta.zvo")"
    scan_file expected.zvo 200,300 400,450
    wait_for 10 cmp -s "$disk/carta.zvo" "$WORK/expected.zvo" || fail "with room on the disk the save did not go through"
}

case_a_killed_recording_is_offered_back_at_the_next_start() {
    local title="Carta de prueba"
    target_start "$title" 100 100 600 400
    zv_start
    zv_wait_toolbar
    # "Grabar": the second tool button.
    click_toolbar 37 14
    sleep 1
    xdotool mousemove 250 220 sleep 0.2 click 1 sleep 0.6 mousemove 420 330 sleep 0.2 click 1 sleep 0.6
    local kept=$WORK/Zentavoro.recording
    wait_for 10 grep -q '^420,330' "$kept" || fail "the points are not kept beside the settings file"
    kill -9 "$ZV_PID"
    wait_for 10 zv_ended || fail "the program survived kill -9"
    wineserver -k 2>/dev/null
    target_start "$title" 100 100 600 400
    zv_start
    wait_for 30 has_toolbar "$QUESTION_TITLE" || fail "the next start did not ask about the recording"
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] && mkdir -p "$ZENTAVORO_E2E_SHOTS" && import -window root "$ZENTAVORO_E2E_SHOTS/wine-recovery-question.png"
    # Yes is the default button.
    key_to "$(toolbar_window "$QUESTION_TITLE")" Return
    wait_for 10 test ! -e "$kept" || fail "the recovery file stayed after the answer"
    zv_wait_toolbar
    key_to "$(toolbar_window)" alt+a
    sleep 0.5
    xdotool key g
    wait_for 15 has_toolbar "$SAVE_TITLE" || fail "no save dialog from the File menu"
    # The proposed name is the recorded window's title.
    key_to "$(toolbar_window "$SAVE_TITLE")" Return
    wait_for 10 test -f "$WORK/$title.zvo" || fail "no '$title.zvo' after the save: $(ls "$WORK")"
    scan_file expected.zvo 250,220 420,330
    cmp -s "$WORK/$title.zvo" "$WORK/expected.zvo" || fail "the saved file holds: $(od -c "$WORK/$title.zvo" | head -6)"
    [ "$(target_count LDOWN)" -eq 0 ] || fail "recorded clicks reached the target"
}

case_titles_in_chinese_and_cyrillic_name_and_find_their_own_files() {
    # Wine takes the command line and the Unix file names in the locale's encoding.
    export LC_ALL=C.UTF-8
    local chinese='计算器' cyrillic='Калькулятор'
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=5\r\n' "$KEY_STEP" > "$INI"
    # Блокнот sorts first and, in code page 1252, would fit the Cyrillic title.
    scan_file "$cyrillic.zvo" 650,200 700,250
    scan_file "Блокнот.zvo" 800,300
    target_start "$cyrillic" 550 100 400 300
    target_start "$chinese" 50 100 400 300
    zv_start
    zv_wait_toolbar
    click_toolbar 37 14
    sleep 1
    xdotool mousemove 150 200 sleep 0.2 click 1 sleep 0.6 mousemove 200 250 sleep 0.2 click 1 sleep 0.6
    xdotool click 3
    wait_for 15 has_toolbar "$SAVE_TITLE" || fail "no save dialog after the stop"
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] && mkdir -p "$ZENTAVORO_E2E_SHOTS" && import -window root "$ZENTAVORO_E2E_SHOTS/wine-unicode-save.png"
    key_to "$(toolbar_window "$SAVE_TITLE")" Return
    wait_for 10 test -f "$WORK/$chinese.zvo" || fail "no '$chinese.zvo' after the save: $(ls "$WORK")"
    scan_file expected.zvo 150,200 200,250
    cmp -s "$WORK/$chinese.zvo" "$WORK/expected.zvo" || fail "the saved file holds: $(od -c "$WORK/$chinese.zvo" | head -6)"
    # Scanning: the window in front decides the file. The toolbar's title after a recording
    # is the program's name.
    click_toolbar 12 14 '^Zentavoro$'
    wait_pointer_at 30 150 200 || wait_pointer_at 5 200 250 || fail "the Chinese window's points are not scanned"
    xdotool windowactivate "$(toolbar_window "$cyrillic")" 2>/dev/null
    wait_pointer_at 15 650 200 || wait_pointer_at 5 700 250 || fail "the Cyrillic window in front did not scan its own file"
    pointer_trace 1500 "$WORK/trace"
    awk '!(($2==650&&$3==200)||($2==651&&$3==201)||($2==700&&$3==250)||($2==701&&$3==251)) { print; bad=1 } END { exit bad }' \
        "$WORK/trace" >"$WORK/stray" || fail "the pointer left the Cyrillic window's points: $(head -3 "$WORK/stray" | tr '\n' ' ')"
    xdotool windowactivate "$(toolbar_window "$chinese")" 2>/dev/null
    wait_pointer_at 15 150 200 || wait_pointer_at 5 200 250 || fail "the Chinese window in front again did not scan its file"
    [ "$(target_count LDOWN)" -eq 0 ] || fail "a click reached a target"
}

begin_case
"case_$1"
