#!/bin/bash
# Zentavoro-setup.exe under Wine, silently, for everyone on the computer and for one user:
# what it installs and where, the program started from there (through the Start-menu
# entry, in the folder where scan files are found), and the uninstaller, which takes
# away every file and key of ours and leaves the user's settings and scan files.
#
# Each case makes a Wine prefix of its own (installing changes a prefix for good) with a
# home folder of its own, so that the documents folder lies inside it.
. "$(dirname "$0")/lib.sh"

SETUP=""

fresh_prefix() {
    SETUP="$ZENTAVORO_WINDOWS_BUILD_DIR/Zentavoro-setup.exe"
    [ -f "$SETUP" ] || skip "no Zentavoro-setup.exe in $ZENTAVORO_WINDOWS_BUILD_DIR (is nsis installed?)"
    export WINEPREFIX="$WORK/prefix" HOME="$WORK/home"
    HOME=$WORK/no-home wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
    wineserver -w
    # The settings in their usual place, as a user has them.
    unset ZENTAVORO_INI
    INI=""
}

# The Unix path of a Windows path in the prefix.
unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# The Unix path of a folder that a Windows environment variable names: env_path APPDATA
env_path() { unix_path "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')"; }

# Every file and folder of the prefix's drive C but the system's own.
files_of_drive_c() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort)
}

# What appeared on drive C since BEFORE, less the user's settings and what is not ours:
# the uninstaller runs from a copy in the temporary folder, which the system empties at
# its next start, and the user's programs folder is the system's own known folder.
left_since() {
    local temp; temp=$(wine cmd /c echo "%TEMP%" 2>/dev/null | tr -d '\r' | sed 's|^C:|.|; s|\\|/|g')
    comm -13 <(echo "$1") <(files_of_drive_c) | grep -v -e "^$temp/" -e '/AppData/Roaming/Zentavoro' -e '/AppData/Local/Programs$'
}

reg_has() { wine reg query "$1" >/dev/null 2>&1; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }

# Runs an uninstaller and waits for it: it copies itself away and returns at once.
uninstall() {
    local folder=$1
    shift
    wine "$@" >/dev/null 2>&1
    wait_for 60 eval '[ ! -e "$folder/Uninstall.exe" ]'
    timeout 60 wineserver -w
}

# Starts the program through the Start-menu entry; the toolbar must appear.
start_from_menu() {
    (cd "$WORK" && exec wine start /wait "$1" >>"$WORK/wine.log" 2>&1) &
    ZV_PID=$!
    zv_wait_toolbar
    running_in_this_prefix "$2" || fail "the running program is not the installed one: $(pgrep -af Zentavoro.exe)"
}

# A process of this case's prefix (other programs may run under Wine meanwhile) whose
# command line holds the text given.
running_in_this_prefix() {
    local pid
    for pid in $(pgrep -f 'Zentavoro.exe'); do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null &&
            tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF "$1" && return 0
    done
    return 1
}

# Scanning finds the scan file named in the target's title in the folder the program was
# started from.
scans_from_its_folder() {
    key_to "$(toolbar_window)" ctrl+e
    wait_pointer_at 30 333 222 || fail "scanning did not find Tablero.zvo in the entry's folder"
    xdotool click 3
    zv_wait_toolbar
}

user_scan_file() {  # user_scan_file FOLDER: a scan file the user keeps there
    mkdir -p "$1"
    printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\372mero de puntos = 1\r\n333,222\r\n' > "$1/Tablero.zvo"
}

settings_with_matching() {  # settings_with_matching FILE
    mkdir -p "$(dirname "$1")"
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n' > "$1"
}

case_silent_install_for_everyone_starts_from_the_menu_and_uninstalls_to_the_users_files() {
    fresh_prefix
    local before; before=$(files_of_drive_c)
    wine "$SETUP" /S >>"$WORK/wine.log" 2>&1 || fail "the installer ended with $?"
    local folder; folder=$(unix_path 'C:\Program Files\Zentavoro')
    local f
    for f in Zentavoro.exe LlibreriaZentavoro.dll zentavoro.txt Uninstall.exe; do
        [ -f "$folder/$f" ] || fail "no $f in Program Files\\Zentavoro: $(ls "$folder" 2>&1)"
    done
    cmp -s "$folder/Zentavoro.exe" "$BIN/Zentavoro.exe" || fail "the installed program is not the one built"
    cmp -s "$folder/LlibreriaZentavoro.dll" "$BIN/LlibreriaZentavoro.dll" || fail "the installed hook library is not the one built"
    local entry; entry="$(env_path ProgramData)/Microsoft/Windows/Start Menu/Programs/Zentavoro.lnk"
    [ -f "$entry" ] || fail "no Start-menu entry for everyone"
    local key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavoro'
    [ "$(reg_value "$key" DisplayName)" = Zentavoro ] || fail "no uninstall entry for everyone"
    [ "$(reg_value "$key" QuietUninstallString)" = '"C:\Program Files\Zentavoro\Uninstall.exe" /S' ] ||
        fail "the quiet uninstall command is '$(reg_value "$key" QuietUninstallString)'"
    local documents; documents="$(env_path PUBLIC)/Documents/Zentavoro"
    [ -d "$documents" ] || fail "no shared working folder $documents"

    # What the user makes: settings, and a scan file in the working folder.
    local settings; settings="$(env_path APPDATA)/Zentavoro/Zentavoro.ini"
    settings_with_matching "$settings"
    user_scan_file "$documents"
    target_start "Tablero" 100 100 600 400
    start_from_menu 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Zentavoro.lnk' 'C:\Program Files\Zentavoro\Zentavoro.exe'
    scans_from_its_folder

    # While the program runs, the uninstaller refuses and removes nothing.
    wine "$folder/Uninstall.exe" /S >/dev/null 2>&1
    sleep 5
    [ -f "$folder/Zentavoro.exe" ] && [ -f "$folder/Uninstall.exe" ] || fail "the uninstaller removed files of a running program"
    zv_close
    kill "$TARGET_PID" 2>/dev/null
    grep -q "Width=" "$settings" || fail "the program did not write its settings in APPDATA"

    uninstall "$folder" "$folder/Uninstall.exe" /S
    [ ! -e "$folder" ] || fail "Program Files\\Zentavoro is still there: $(ls -A "$folder")"
    [ ! -e "$entry" ] || fail "the Start-menu entry is still there"
    ! reg_has "$key" || fail "the uninstall entry is still there"
    ! reg_has 'HKLM\Software\Zentavoro' || fail "HKLM\\Software\\Zentavoro is still there"
    # Of ours, nothing is left; the user's settings and scan file are.
    [ -f "$documents/Tablero.zvo" ] || fail "the user's scan file went"
    [ -f "$settings" ] || fail "the user's settings went"
    local left; left=$(left_since "$before" | grep -v '^./users/Public/Documents/Zentavoro')
    [ -z "$left" ] || fail "left behind: $left"
}

case_silent_install_for_one_user_runs_from_its_folder_and_uninstalls_completely() {
    fresh_prefix
    local before; before=$(files_of_drive_c)
    wine "$SETUP" /S /CurrentUser >>"$WORK/wine.log" 2>&1 || fail "the installer ended with $?"
    local folder; folder="$(env_path LOCALAPPDATA)/Programs/Zentavoro"
    [ -f "$folder/Zentavoro.exe" ] && [ -f "$folder/LlibreriaZentavoro.dll" ] && [ -f "$folder/zentavoro.txt" ] ||
        fail "not installed in the user's programs folder: $(ls "$folder" 2>&1)"
    [ ! -e "$(unix_path 'C:\Program Files\Zentavoro')" ] || fail "a per-user installation wrote into Program Files"
    local entry; entry="$(env_path APPDATA)/Microsoft/Windows/Start Menu/Programs/Zentavoro.lnk"
    [ -f "$entry" ] || fail "no Start-menu entry for the user"
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavoro'
    ! reg_has 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavoro' || fail "a per-user installation wrote into HKLM"
    local uninstaller; uninstaller=$(reg_value "$key" UninstallString)
    [ -n "$uninstaller" ] || fail "no uninstall entry for the user"

    # Started from where it was installed, with its own hook library beside it.
    local program; program=$(wine winepath -w "$folder/Zentavoro.exe" 2>/dev/null | tr -d '\r')
    (cd "$WORK" && exec wine "$program" >>"$WORK/wine.log" 2>&1) &
    ZV_PID=$!
    zv_wait_toolbar
    zv_close

    # The entry's command, as the system's list of programs runs it.
    uninstaller=${uninstaller#\"}
    uninstall "$folder" "${uninstaller%\"}" /S
    [ ! -e "$folder" ] || fail "the user's Zentavoro folder is still there: $(ls -A "$folder")"
    [ ! -e "$entry" ] || fail "the Start-menu entry is still there"
    ! reg_has "$key" || fail "the uninstall entry is still there"
    ! reg_has 'HKCU\Software\Zentavoro' || fail "HKCU\\Software\\Zentavoro is still there"
    # The working folder held nothing of the user's: it went too. The settings stay.
    local left; left=$(left_since "$before")
    [ -z "$left" ] || fail "left behind: $left"
    [ -f "$(env_path APPDATA)/Zentavoro/Zentavoro.ini" ] || fail "the user's settings went"
}

case_silent_install_into_the_folder_given_and_back_out() {
    fresh_prefix
    local before; before=$(files_of_drive_c)
    # As typed at a command prompt: /D= takes the rest of the line, blanks included.
    wine cmd /c "$(wine winepath -w "$SETUP" 2>/dev/null | tr -d '\r') /S /D=C:\Apps\Zentavoro Dos" >>"$WORK/wine.log" 2>&1 ||
        fail "the installer ended with $?"
    local folder; folder=$(unix_path 'C:\Apps\Zentavoro Dos')
    [ -f "$folder/Zentavoro.exe" ] && [ -f "$folder/LlibreriaZentavoro.dll" ] || fail "not installed in the folder given: $(ls "$folder" 2>&1)"
    [ ! -e "$(unix_path 'C:\Program Files\Zentavoro')" ] || fail "installed in Program Files all the same"
    [ "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavoro' InstallLocation)" = 'C:\Apps\Zentavoro Dos' ] ||
        fail "the uninstall entry names another folder"
    uninstall "$folder" "$folder/Uninstall.exe" /S
    [ ! -e "$folder" ] || fail "the folder given is still there: $(ls -A "$folder")"
    # The parent folder was made by the installer for its folder; empty, it is the user's
    # to remove or keep, as the system leaves it.
    local left; left=$(left_since "$before" | grep -vx './Apps')
    [ -z "$left" ] || fail "left behind: $left"
}

begin_case
"case_$1"
