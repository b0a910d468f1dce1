#!/usr/bin/env bash
# End-to-end tests of the Linux build: the real zentavoro under Xvfb with openbox.
#   x11_e2e.sh <zentavoro> <zentavoro-target> <case>
# Exit 0 when every check of the case passed, 1 when one failed, 77 when the tools to run
# it are missing. Every wait is bounded; everything started is ended by its pid.
set -u
[ -n "${X11_E2E_TRACE:-}" ] && set -x

zentavoro=$(realpath "$1") target=$(realpath "$2") case=$3
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run Xvfb openbox xdotool xprop xwininfo import convert; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
if [ -z "${X11_E2E_UNDER_XVFB:-}" ]; then
    export X11_E2E_UNDER_XVFB=1
    exec "$(dirname "$0")/../under_xvfb.sh" "$0" "$@"
fi
screen_w=1024

tmp=$(mktemp -d)
export ZENTAVORO_INI=$tmp/Zentavoro.ini
# The program's start-up folder: its scan files are looked for there.
mkdir -p "$tmp/work"
cd "$tmp/work" || exit 1
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do
        for _ in $(seq 20); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$p" 2>/dev/null
    done
    wait 2>/dev/null
    # A small disk a case mounted in its folder.
    awk -v t="$tmp/" 'index($2, t) == 1 { print $2 }' /proc/mounts | xargs -r -n1 umount 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

failures=0 passes=0
pass() { echo "ok - $1"; passes=$((passes + 1)); }
fail() { echo "FAIL - $1"; failures=$((failures + 1)); }
check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}
# wait_until SECONDS COMMAND...: true as soon as the command succeeds.
wait_until() {
    local limit=$1
    shift
    local tries=$((limit * 10))
    for _ in $(seq "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
pids+=($!)
wait_until 20 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" ||
    { echo "FAIL - openbox did not start on $DISPLAY:"; cat "$tmp/openbox.log"; exit 1; }

# The title of the main window starts with this marker while no recording has stopped.
marker='ZENTAVORO  - '
# Qt's hidden group leader may carry the program's title for a moment: only a window with
# a class is one of the program's windows.
program_windows() {
    local w
    for w in $(xdotool search --name "$1" 2>/dev/null); do
        xprop -id "$w" WM_CLASS 2>/dev/null | grep -q '"zentavoro"' && echo "$w"
    done
}
main_window() { program_windows "^$marker" | head -1; }
main_windows_count() { program_windows "^$marker" | wc -l; }
has_main_window() { [ -n "$(main_window)" ]; }

start_zentavoro() { # arguments of the program
    "$zentavoro" "$@" >>"$tmp/zentavoro.log" 2>&1 &
    zv_pid=$!
    pids+=($zv_pid)
}
start_target() { # title geometry log [further options of the target]
    "$target" --title "$1" --geometry "$2" --log "$3" "${@:4}" &
    pids+=($!)
    wait_until 10 sh -c "xdotool search --name '^$1\$' >/dev/null 2>&1"
}

# The outer frame of a client window: left top width height.
frame_of() {
    local w=$1 info ext l r t b
    info=$(xwininfo -id "$w") || return 1
    local x y cw ch
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    cw=$(awk '/Width:/ {print $2}' <<<"$info")
    ch=$(awk '/Height:/ {print $2}' <<<"$info")
    ext=$(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    echo "$((x - l)) $((y - t)) $((cw + l + r)) $((ch + t + b))"
}
frame_is() { # window, expected "left top width height"
    [ "$(frame_of "$1")" = "$2" ]
}
is_above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# *//p' | cut -d, -f1; }
is_active() { [ $(($(active_window))) -eq $(($1)) ]; }
# Top of the stacking order first, as the window manager lists it.
above_in_stack() { # upper lower
    local stack
    stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# *//p' | tr -d ' ' | tr ',' '\n')
    local iu il i=0
    while read -r w; do
        [ $((w)) -eq $(($1)) ] && iu=$i
        [ $((w)) -eq $(($2)) ] && il=$i
        i=$((i + 1))
    done <<<"$stack"
    [ -n "${iu:-}" ] && [ -n "${il:-}" ] && [ "$iu" -gt "$il" ]
}
process_ended() { ! kill -0 "$1" 2>/dev/null; }
# The value of a key of the settings file (code page 1252 bytes), CR LF or LF lines.
ini_value() { # section key
    LC_ALL=C awk -v s="[$1]" -v k="$2" '
        { sub(/\r$/, "") }
        /^\[/ { here = (tolower($0) == tolower(s)); next }
        here && index($0, "=") { n = index($0, "="); if (tolower(substr($0, 1, n - 1)) == tolower(k)) { print substr($0, n + 1); exit } }
    ' "$ZENTAVORO_INI"
}
scan_step_key=$'D\xc8CIMES DE SEGON QUE DURA EL PAS D\'ESCANEIG'
click_interval_key=$'D\xc8CIMES DE SEGON QUE DURA L\'INTERVAL DE TEMPS ENTRE 2 CLICS'

# The program is up: its main window is shown and placed at the top right.
wait_main_placed() {
    wait_until 15 has_main_window || return 1
    main=$(main_window)
    wait_until 5 sh -c "xwininfo -id $main | grep -q 'Map State: IsViewable'"
}

case_placement() {
    start_target "Aplicacio de prova" 400x300+100+100 "$tmp/target.log"
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "it is placed at the top right, 165 x 90 with its frame" wait_until 5 frame_is "$main" "$((screen_w - 165)) 0 165 90"
    check "it is kept above other windows" is_above "$main"
    local app
    app=$(xdotool search --name '^Aplicacio de prova$' | head -1)
    xdotool windowactivate "$app" 2>/dev/null
    check "the application comes to the front" wait_until 5 is_active "$app"
    check "the toolbar stays above the application in front" above_in_stack "$main" "$app"
    kill "$zv_pid"
    wait_until 5 process_ended "$zv_pid"

    # Only the size is remembered: the place is always the top right corner.
    printf '[Posicio Finestra]\r\nWidth=200\r\nHeight=120\r\n' >"$ZENTAVORO_INI"
    start_zentavoro
    check "the second run's window appears" wait_main_placed
    check "a stored width of 200 puts the left edge at screen width - 200" \
        wait_until 5 frame_is "$main" "$((screen_w - 200)) 0 200 120"
}

case_single_instance() {
    printf '[Zentavoro]\r\n%s=15\r\n' "$scan_step_key" >"$ZENTAVORO_INI"
    start_zentavoro
    check "the first instance's window appears" wait_main_placed
    local first=$main
    start_target "Aplicacio de prova" 400x300+100+100 "$tmp/target.log"
    local app
    app=$(xdotool search --name '^Aplicacio de prova$' | head -1)
    xdotool windowactivate "$app" 2>/dev/null
    check "another application is in front" wait_until 5 is_active "$app"
    # The first instance's own handlers may write the file when it comes to the front, so
    # the second one is given a settings file of its own: a copy it must leave alone.
    local second_ini=$tmp/second.ini before after
    cp -p "$ZENTAVORO_INI" "$second_ini"
    before=$(stat -c '%s %y' "$second_ini"; sha256sum <"$second_ini")
    ZENTAVORO_INI=$second_ini "$zentavoro" >>"$tmp/second.log" 2>&1 &
    local second=$!
    pids+=($second)
    check "the second instance ends at once" wait_until 5 process_ended "$second"
    check "the first instance is brought to the front" wait_until 5 is_active "$first"
    after=$(stat -c '%s %y' "$second_ini"; sha256sum <"$second_ini")
    check "the second instance does not touch its settings file" [ "$before" = "$after" ]
    # Nor does it create one.
    xdotool windowactivate "$app" 2>/dev/null
    wait_until 5 is_active "$app"
    ZENTAVORO_INI=$tmp/none.ini "$zentavoro" >>"$tmp/second.log" 2>&1 &
    second=$!
    pids+=($second)
    check "a second instance without a settings file ends at once" wait_until 5 process_ended "$second"
    check "and creates none" [ ! -e "$tmp/none.ini" ]
    check "the first instance is brought to the front again" wait_until 5 is_active "$first"
    check "there is still one main window" [ "$(main_windows_count)" -eq 1 ]
    check "the first instance still runs" kill -0 "$zv_pid"
}

close_case() { # how: window_manager or menu_keys
    printf '[Zentavoro]\r\n%s=15\r\n%s=7\r\n[Posicio Finestra]\r\nWidth=180\r\nHeight=100\r\n' \
        "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "it takes the stored size" wait_until 5 frame_is "$main" "$((screen_w - 180)) 0 180 100"
    xdotool windowactivate "$main" 2>/dev/null
    check "the main window is in front" wait_until 5 is_active "$main"
    # The spin boxes take the arrow keys: the focused one (the scan step) goes 15 -> 17.
    if [ "$1" = window_manager ]; then
        xdotool key --clearmodifiers Up Up
        sleep 0.3
        xdotool key --clearmodifiers alt+F4
    else
        xdotool key --clearmodifiers Up Up
        sleep 0.3
        # The File menu by its access key, then "&Salir".
        xdotool key --clearmodifiers alt+a
        sleep 0.5
        xdotool key --clearmodifiers s
    fi
    check "the program ends" wait_until 10 process_ended "$zv_pid"
    check "the scan step is written" [ "$(ini_value Zentavoro "$scan_step_key")" = 17 ]
    check "the click interval is written" [ "$(ini_value Zentavoro "$click_interval_key")" = 7 ]
    check "the Windows Vista option is written" [ "$(ini_value Zentavoro MenuWindowsVista)" = NO ]
    check "the width is written" [ "$(ini_value 'Posicio Finestra' Width)" = 180 ]
    check "the height is written" [ "$(ini_value 'Posicio Finestra' Height)" = 100 ]
    check "the mailbox title is emptied" [ "$(ini_value LlibreriaZentavoro $'T\xcdTOL FINESTRA')" = "" ]
}
case_close_by_window_manager() { close_case window_manager; }
case_close_by_menu_keys() { close_case menu_keys; }

case_scan_click() {
    # Under Xvfb the user's switch is XTest input, as a software switch's is on a user's
    # desktop. The program's own click is made with the mouse hook removed.
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    # Two points inside the application, a step of 0.5 s, no minimum interval.
    printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 2\r\n200,300\r\n400,450\r\n' >"$tmp/work/prova.zvo"
    printf '[Zentavoro]\r\n%s=5\r\n%s=0\r\n' "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    start_zentavoro prova.zvo
    check "the program starts" wait_until 15 sh -c "xdotool search --name '^$marker' >/dev/null 2>&1"
    pointer_on() { # x y
        local loc
        loc=$(xdotool getmouselocation)
        [[ "$loc" == "x:$1 y:$2 "* ]]
    }
    check "scanning puts the pointer on the first point" wait_until 10 pointer_on 200 300
    check "and then on the second" wait_until 5 pointer_on 400 450
    # The switch: a press of the left button, which the hook takes.
    wait_until 5 pointer_on 200 300
    xdotool click 1
    check "the press becomes a click in the application at the point" \
        wait_until 5 grep -Eq '^press 1 (200 300|400 450) ' "$tmp/target.log"
    check "the switch press itself did not reach the application" \
        [ "$(grep -c '^press' "$tmp/target.log")" -eq 1 ]
}

case_frame_and_alt_tab() {
    start_target "Aplicacio de prova" 600x400+50+150 "$tmp/target.log"
    local app
    app=$(xdotool search --name '^Aplicacio de prova$' | head -1)
    printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 1\r\n400,450\r\n' >"$tmp/work/prova.zvo"
    printf '[Zentavoro]\r\n%s=5\r\n%s=0\r\nQUADRE SEGUIMENT MOUSE=S\xcd\r\n' \
        "$scan_step_key" "$click_interval_key" >"$ZENTAVORO_INI"
    start_zentavoro prova.zvo
    check "the program starts" wait_until 15 sh -c "xdotool search --name '^$marker' >/dev/null 2>&1"
    pointer_on() { [[ "$(xdotool getmouselocation)" == "x:400 y:450 "* ]]; }
    check "scanning puts the pointer on the point" wait_until 10 pointer_on
    # Scanning starts with Alt+Tab, which gives the application the keyboard back.
    check "the application is in front again" wait_until 5 is_active "$app"
    xdotool key x
    check "and takes the keys: no window switcher holds them" wait_until 5 grep -q '^key x ' "$tmp/target.log"
    # The hollow frame round the point: 137 x 137, centred, on top, never in front.
    frame_round_point() {
        local w
        for w in $(xdotool search --onlyvisible --pid "$zv_pid" 2>/dev/null); do
            [ "$(frame_of "$w")" = "332 382 137 137" ] && { frame=$w; return 0; }
        done
        return 1
    }
    check "a frame of 137 x 137 surrounds the point" wait_until 5 frame_round_point
    check "the frame is kept above" is_above "${frame:-0}"
    check "the frame does not take the focus" is_active "$app"
    xdotool click 1
    check "the switch's click goes through the hole to the application" \
        wait_until 5 grep -Eq '^press 1 400 450 ' "$tmp/target.log"
}

# --- Helpers of the cases that scan, record and look at the screen ---

# A scan file of the given points ("x,y" each), CR LF lines, code page 1252.
write_scan_file() { # file point...
    local file=$1
    shift
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\n'
        printf 'N\xfamero de puntos = %d\r\n' "$#"
        printf '%s\r\n' "$@"
    } >"$file"
}
pointer_on() { # x y
    [[ "$(xdotool getmouselocation 2>/dev/null)" == "x:$1 y:$2 "* ]]
}
pointer_position() { # prints "x y"
    local loc
    loc=$(xdotool getmouselocation 2>/dev/null)
    [[ $loc =~ x:(-?[0-9]+)\ y:(-?[0-9]+) ]] && echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}"
}
# Samples the pointer every 50 ms for the given milliseconds: "ms x y" lines.
sample_pointer() { # milliseconds
    local end=$(($(date +%s%3N) + $1)) pos
    while [ "$(date +%s%3N)" -lt "$end" ]; do
        pos=$(pointer_position) && echo "$(date +%s%3N) $pos"
        sleep 0.05
    done
}
# Whether the samples show the pointer visiting the points in order, round after round,
# exactly on each one, one step of the given length apart on average. Before the first
# point the pointer may be anywhere; a placement nudges it one pixel down and right for a
# moment, which a sample may catch. Prints what went wrong.
visits_in_order() { # samples-file step-ms rounds point...
    local samples=$1 step=$2 rounds=$3
    shift 3
    awk -v pts="$*" -v step="$step" -v rounds="$rounds" '
        BEGIN { n = split(pts, P, " "); for (i = 1; i <= n; i++) { split(P[i], c, ","); X[i - 1] = c[1]; Y[i - 1] = c[2] }
                cur = -1; moves = 0; bad = "" }
        {
            t = $1; x = $2; y = $3; at = -1; nudged = -1
            for (i = 0; i < n; i++) {
                if (x == X[i] && y == Y[i]) at = i
                else if (x == X[i] + 1 && y == Y[i] + 1) nudged = i
            }
            if (cur < 0) {
                if (at == 0) { cur = 0; first = t; last = t }
                else if (at > 0) fault(sprintf("the first point visited is %d", at))
                next
            }
            nxt = (cur + 1) % n
            if (at == cur) next
            if (at == nxt) { cur = at; moves++; last = t; next }
            if (nudged == cur || nudged == nxt) next
            fault(sprintf("the pointer at %d,%d after point %d", x, y, cur))
        }
        function fault(text) { if (faults++ < 3) bad = bad text "; " }
        END {
            if (cur < 0) bad = bad "the pointer never reached the first point; "
            else if (moves < rounds * n) bad = bad sprintf("only %d moves from point to point; ", moves)
            else {
                mean = (last - first) / moves
                if (mean < step * 0.8 || mean > step * 1.3) bad = bad sprintf("a step lasts %d ms on average; ", mean)
            }
            if (bad != "") { print bad; exit 1 }
        }' "$samples"
}
# Every sample is one of the points, or one of them nudged by the placement.
samples_among() { # samples-file point...
    local samples=$1
    shift
    awk -v pts="$*" '
        BEGIN { n = split(pts, P, " "); for (i = 1; i <= n; i++) { split(P[i], c, ","); ok[c[1] " " c[2]]; ok[c[1] + 1 " " c[2] + 1] } }
        !(($2 " " $3) in ok) { print "the pointer at " $2 "," $3; bad = 1; exit }
        END { if (NR == 0) { print "no samples"; exit 1 } exit bad }' "$samples"
}

is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_hidden() { xwininfo -id "$1" 2>/dev/null | grep -Eq 'Map State: Is(UnMapped|Unviewable)'; }
activate() { # window: brings it to the front and waits until it is there
    xdotool windowactivate "$1" 2>/dev/null
    wait_until 5 is_active "$1"
}
start_recording_from_toolbar() { # application: Ctrl+B on the toolbar, back to the application
    check "the toolbar takes the focus" activate "$main"
    # Ctrl+B as a person types it: Ctrl is still held when the shortcut acts, and the
    # program's Alt+Tab must still reach the window manager as Alt+Tab.
    xdotool keydown ctrl
    sleep 0.2
    xdotool key b
    sleep 0.6
    xdotool keyup ctrl
    check "recording gives the application the front again" wait_until 5 is_active "$1"
    sleep 0.5
}
# The save dialog that a stop or Guardar opens: it comes to the front, and Return saves
# under the name it proposes, which must be the file given, in the work folder.
save_as_proposed() { # file
    local title='^Guardar - Archivo Zentavoro$'
    check "the save dialog opens" wait_until 5 has_window_named "$title"
    check "the save dialog is in front" wait_until 5 is_active "$(window_named "$title")"
    sleep 0.5
    xdotool key Return
    check "the file is saved as $(basename "$1")" wait_until 5 test -f "$1"
}
# The target with its three buttons in front, and zentavoro started beside it: sets app.
start_beside_target_with_buttons() {
    "$target" --title "Aplicacio de prova" --geometry 600x400+50+150 --log "$tmp/target.log" --buttons &
    pids+=($!)
    check "the target with buttons appears" wait_until 10 has_window_named '^Aplicacio de prova$'
    app=$(window_named '^Aplicacio de prova$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
}
# An entry of the File menu ("&Archivo") by its access key, from the toolbar.
file_menu() { # key
    check "the toolbar takes the focus" activate "$main"
    xdotool key --clearmodifiers alt+a
    sleep 0.5
    xdotool key "$1"
}
window_named() { xdotool search --name "$1" 2>/dev/null | head -1; }
has_window_named() { [ -n "$(window_named "$1")" ]; }
# A screenshot of the whole screen, kept in $X11_E2E_SHOTS when that is set.
screenshot() { # name
    local file=$tmp/$1.png
    import -window root "$file" || return 1
    if [ -n "${X11_E2E_SHOTS:-}" ]; then
        mkdir -p "$X11_E2E_SHOTS" && cp "$file" "$X11_E2E_SHOTS/$case-$1.png"
    fi
    echo "$file"
}
# The colour of one pixel of a screenshot as RRGGBB.
pixel() { # png x y
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -1
}
pixels_are() { # png colour x,y...
    local png=$1 colour=$2 p got
    shift 2
    for p in "$@"; do
        got=$(pixel "$png" "${p%,*}" "${p#*,}")
        [ "${got^^}" = "${colour^^}" ] || { echo "  pixel $p is $got, not $colour"; return 1; }
    done
}

# The cases of scanning, recording, window matching and the options live beside this file
# and use the helpers above.
for cases in "$here"/cases_*.sh; do
    # shellcheck source=/dev/null
    source "$cases"
done

"case_$case"
if [ "$failures" -gt 0 ]; then
    echo "--- zentavoro's output"; cat "$tmp/zentavoro.log" 2>/dev/null
    echo "--- the application's log"; cat "$tmp/target.log" 2>/dev/null
fi
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
