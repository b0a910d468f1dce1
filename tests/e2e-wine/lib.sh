# The Windows build under Wine, driven from outside as a user would: a virtual X screen
# (Xvfb) with a window manager (openbox), a Wine prefix made once per test run, and
# xdotool for the pointer, the buttons and the keys. Input from xdotool goes through the X
# server, so Wine sees it as physical input (not injected), which is what a switch is.
#
# Sourced by the case files. Needs ZENTAVORO_WINDOWS_BUILD_DIR (the build tree of the
# Windows preset) and ZENTAVORO_WINE_PREFIX_FILE (where the prefix fixture wrote the
# prefix's path). A missing tool or build skips the test (exit 77).

set -u

SKIP=77
SCREEN_W=1024
SCREEN_H=768

skip() { echo "SKIP: $*"; exit $SKIP; }
fail() { echo "FAIL: $*"; dump_state; exit 1; }
note() { echo "-- $*"; }

require_tools() {
    for tool in wine wineserver Xvfb openbox xdotool; do
        command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
    done
    [ -n "${ZENTAVORO_WINDOWS_BUILD_DIR:-}" ] || skip "ZENTAVORO_WINDOWS_BUILD_DIR is not set"
    BIN="$ZENTAVORO_WINDOWS_BUILD_DIR/bin"
    [ -f "$BIN/Zentavoro.exe" ] || skip "no Zentavoro.exe in $BIN (build the windows preset first)"
    [ -f "$BIN/LlibreriaZentavoro.dll" ] || skip "no LlibreriaZentavoro.dll in $BIN"
}

# Makes a Wine prefix in a temporary folder (the fixture that runs before the cases).
make_prefix() {
    require_tools
    local prefix
    prefix=$(mktemp -d /tmp/zentavoro-wine.XXXXXX) || exit 1
    export WINEPREFIX="$prefix/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    start_display
    wineboot -i >/dev/null 2>&1 || { stop_display; rm -rf "$prefix"; fail "wineboot failed"; }
    wineserver -w
    stop_display
    echo "$WINEPREFIX" > "$ZENTAVORO_WINE_PREFIX_FILE"
    note "prefix made in $WINEPREFIX"
}

remove_prefix() {
    [ -f "${ZENTAVORO_WINE_PREFIX_FILE:-/nonexistent}" ] || exit 0
    local prefix
    prefix=$(cat "$ZENTAVORO_WINE_PREFIX_FILE")
    case "$prefix" in /tmp/zentavoro-wine.*/prefix) WINEPREFIX="$prefix" wineserver -k 2>/dev/null; rm -rf "$(dirname "$prefix")" ;; esac
    rm -f "$ZENTAVORO_WINE_PREFIX_FILE"
}

XVFB_PID=""
OPENBOX_PID=""
start_display() {
    local fifo
    fifo=$(mktemp -u /tmp/zentavoro-displayfd.XXXXXX)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local number
    read -r -t 20 number <"$fifo" || { rm -f "$fifo"; fail "Xvfb did not start"; }
    rm -f "$fifo"
    export DISPLAY=":$number"
    openbox --config-file "$(dirname "${BASH_SOURCE[0]}")/openbox-rc.xml" >/dev/null 2>&1 &
    OPENBOX_PID=$!
    sleep 1
}

stop_display() {
    [ -n "$OPENBOX_PID" ] && kill "$OPENBOX_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    OPENBOX_PID="" XVFB_PID=""
}

# One case: its own display and work folder, the shared prefix, and a clean end.
WORK=""
begin_case() {
    require_tools
    [ -f "${ZENTAVORO_WINE_PREFIX_FILE:-/nonexistent}" ] || skip "no Wine prefix (the prefix fixture did not run)"
    export WINEPREFIX
    WINEPREFIX=$(cat "$ZENTAVORO_WINE_PREFIX_FILE")
    [ -d "$WINEPREFIX" ] || skip "the Wine prefix $WINEPREFIX is gone"
    # ZENTAVORO_WINEDEBUG=warn+cursor and the like show Wine's own view in wine.log.
    export WINEDEBUG=${ZENTAVORO_WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    WORK=$(mktemp -d /tmp/zentavoro-case.XXXXXX)
    trap end_case EXIT
    start_display
    # A fresh settings file for every case; Wine passes the environment through and the
    # program, a Windows program, reads the path as Z:\... .
    export ZENTAVORO_INI
    ZENTAVORO_INI=$(windows_path "$WORK/Zentavoro.ini")
    INI="$WORK/Zentavoro.ini"
    # What the program took for the window in front, the titles and folders it read.
    export ZENTAVORO_WIN32_TRACE
    ZENTAVORO_WIN32_TRACE=$(windows_path "$WORK/platform-trace.log")
}

end_case() {
    local status=$?
    wineserver -k 2>/dev/null
    stop_display
    # A small disk a case mounted in its folder.
    [ -n "$WORK" ] && awk -v t="$WORK/" 'index($2, t) == 1 { print $2 }' /proc/mounts | xargs -r -n1 umount 2>/dev/null
    # ZENTAVORO_E2E_KEEP=folder keeps the work folder (settings, logs, screen pictures).
    [ -n "$WORK" ] && [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && mkdir -p "$ZENTAVORO_E2E_KEEP" && cp -r "$WORK" "$ZENTAVORO_E2E_KEEP/"
    [ -n "$WORK" ] && rm -rf "$WORK"
    exit $status
}

windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

dump_state() {
    [ -n "${DISPLAY:-}" ] || return 0
    echo "pointer: $(xdotool getmouselocation 2>/dev/null)"
    [ -n "${ZENTAVORO_E2E_KEEP:-}" ] && command -v import >/dev/null && import -window root "$WORK/failure.png" 2>/dev/null
    echo "windows on the screen:"
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)' $(xdotool getwindowgeometry "$w" 2>/dev/null | tr '\n' ' ')"
    done
    [ -f "${INI:-/nonexistent}" ] && { echo "settings file:"; iconv -f CP1252 -t UTF-8 "$INI" | sed 's/^/  /'; }
    [ -f "${TARGET_LOG:-/nonexistent}" ] && { echo "target log:"; sed 's/^/  /' "$TARGET_LOG"; }
    [ -s "$WORK/wine.log" ] && { echo "Wine's messages (last 10 lines):"; tail -10 "$WORK/wine.log" | sed 's/^/  /'; }
    [ -f "$WORK/platform-trace.log" ] && { echo "platform trace (last 30 lines):"; tail -30 "$WORK/platform-trace.log" | iconv -f CP1252 -t UTF-8 | sed 's/^/  /'; }
    return 0
}

# ---- the program

MARKER='ZENTAVORO  - '
ZV_PID=""

# Starts Zentavoro.exe in the work folder with the given arguments.
zv_start() {
    (cd "$WORK" && exec wine "$BIN/Zentavoro.exe" "$@" >>"$WORK/wine.log" 2>&1) &
    ZV_PID=$!
}

# The toolbar: the window whose title holds the title marker, or the title given.
toolbar_window() { xdotool search --onlyvisible --name "${1:-$MARKER}" 2>/dev/null | head -1; }

wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
    local until=$((SECONDS + $1)); shift
    while [ $SECONDS -lt $until ]; do "$@" && return 0; sleep 0.2; done
    "$@"
}

has_toolbar() { [ -n "$(toolbar_window "$@")" ]; }
no_toolbar() { [ -z "$(toolbar_window "$@")" ]; }

zv_wait_toolbar() { wait_for 30 has_toolbar "$@" || fail "the toolbar did not appear"; }

zv_running() { [ -n "$ZV_PID" ] && kill -0 "$ZV_PID" 2>/dev/null; }
zv_ended() { ! zv_running; }

# Closes the toolbar as the user does (Alt+F4 on it) and waits for the program to end.
# The keys go through the X server (XTEST) to the toolbar once it is the active window:
# sent to the window itself (XSendEvent), the release of F4 met a window already closed
# and was lost, and Wine, whose key state all its programs share, went on taking F4 or Alt
# for held, so that a later Alt+F4 was ignored or closed the next window to come up.
zv_close() {
    local w
    wait_for 10 has_toolbar "${1:-$MARKER}" || fail "no toolbar to close"
    w=$(toolbar_window "${1:-$MARKER}")
    xdotool windowactivate --sync "$w" >/dev/null 2>&1
    wait_for 5 is_active "$w" || fail "the toolbar did not become the active window"
    sleep 0.3
    xdotool key alt+F4
    wait_for 15 zv_ended || fail "the program did not end after closing its window"
}

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# key_to WINDOW KEYS...: keys pressed on a window as a user presses them, through the X
# server once the window is the active one (see zv_close).
key_to() {
    local w=$1
    shift
    xdotool windowactivate --sync "$w" >/dev/null 2>&1
    wait_for 5 is_active "$w" || fail "window $w did not become the active one"
    sleep 0.2
    xdotool key "$@"
}

# The save dialog a stop opened: Return saves under the name it proposes, the title of the
# window recorded, which must be the file given.
save_as_proposed() { # file
    wait_for 15 has_toolbar "Guardar - Archivo Zentavoro" || fail "no save dialog after the stop"
    local dialog; dialog=$(toolbar_window "Guardar - Archivo Zentavoro")
    sleep 0.3
    key_to "$dialog" Return
    wait_for 10 test -f "$1" || fail "no '$(basename "$1")' after the save: $(ls "$WORK")"
}

# Geometry of a window in screen pixels: sets WX WY WW WH. With the window manager
# drawing the frame and the title bar, the X window of a Wine window with a menu is the
# menu bar and the client area; xwininfo gives its absolute place (xdotool counts the
# frame twice).
geometry() {
    eval "$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *\(-*[0-9]*\)/WX=\1/p; s/^ *Absolute upper-left Y: *\(-*[0-9]*\)/WY=\1/p; s/^ *Width: *\([0-9]*\)/WW=\1/p; s/^ *Height: *\([0-9]*\)/WH=\1/p')"
}

# Height of Wine's menu bar with the default font: the client area of the toolbar starts
# this far below the top of its X window.
MENU_H=19

# client_point X Y: the screen point of a client point of the toolbar; sets CX CY.
client_point() {
    geometry "$(toolbar_window)"
    CX=$((WX + $1)) CY=$((WY + MENU_H + $2))
}

# click_toolbar X Y: a click on a client point of the toolbar.
click_toolbar() {
    client_point "$1" "$2"
    xdotool mousemove "$CX" "$CY" sleep 0.2 click 1
}

# ---- the settings file (code page 1252 bytes)

# ini_get SECTION KEY: the value, keys compared as bytes.
ini_get() {
    [ -f "$INI" ] || return 1
    LC_ALL=C awk -v section="[$1]" -v key="$2" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == section); next }
        inside { eq = index($0, "="); if (eq > 0 && substr($0, 1, eq - 1) == key) { print substr($0, eq + 1); found = 1; exit } }
        END { exit !found }' "$INI"
}

# ini_write: the settings file from standard input, UTF-8 converted to code page 1252.
ini_write() { iconv -f UTF-8 -t CP1252 > "$INI"; }

# A scan file in the work folder: scan_file NAME x1,y1 x2,y2 ...
scan_file() {
    local name=$1; shift
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\n'
        printf 'N\372mero de puntos = %d\r\n' $#
        for p in "$@"; do printf '%s\r\n' "$p"; done
    } > "$WORK/$name"
}

# ---- the target window

TARGET_LOG=""
TARGET_PID=""
# target_start TITLE LEFT TOP WIDTH HEIGHT [buttons | BUTTONLEFT BUTTONTOP BUTTONWIDTH BUTTONHEIGHT]
target_start() {
    TARGET_LOG="$WORK/target.log"
    : > "$TARGET_LOG"
    (cd "$WORK" && exec wine "$BIN/zentavoro-target.exe" "$1" "$(windows_path "$TARGET_LOG")" "$2" "$3" "$4" "$5" "${@:6}" >/dev/null 2>&1) &
    TARGET_PID=$!
    wait_for 30 grep -q READY "$TARGET_LOG" || fail "the target window did not start"
    wait_for 10 has_toolbar "$1" || fail "the target window is not on the screen"
}

target_count() { grep -c " $1 " "$TARGET_LOG" || true; }
# target_has N EVENT: the target logged EVENT exactly N times.
target_has() { [ "$(target_count "$2")" -eq "$1" ]; }

pointer() {  # sets PX PY
    eval "$(xdotool getmouselocation --shell | sed -n 's/^X=/PX=/p; s/^Y=/PY=/p')"
}

at_point() { pointer; [ "$PX" = "$1" ] && [ "$PY" = "$2" ]; }
# wait_pointer_at SECONDS X Y
wait_pointer_at() { wait_for "$1" at_point "$2" "$3"; }
# The same, and then the step that put it there has ended: a step places the pointer on
# the point, one pixel off and back, 10 ms apart, and a key pressed in between meets a
# step still running.
wait_pointer_settled() { wait_pointer_at "$@" && sleep 0.2 && at_point "$2" "$3"; }

# pointer_trace MILLISECONDS FILE: the pointer position every 20 ms, "<ms> <x> <y>" per change.
pointer_trace() {
    local until=$(( $(date +%s%3N) + $1 )) last="" now x y
    : > "$2"
    while now=$(date +%s%3N); [ "$now" -lt "$until" ]; do
        eval "$(xdotool getmouselocation --shell | sed -n 's/^X=/x=/p; s/^Y=/y=/p')"
        if [ "$x $y" != "$last" ]; then echo "$now $x $y" >> "$2"; last="$x $y"; fi
        sleep 0.02
    done
}

# pixel X Y: the colour of the screen picture $WORK/screen.png at X Y as "r,g,b".
pixel() {
    convert "$WORK/screen.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

# The settings for a case, from the name of each key as the program writes it.
KEY_STEP=$'D\xc8CIMES DE SEGON QUE DURA EL PAS D\'ESCANEIG'
KEY_INTERVAL=$'D\xc8CIMES DE SEGON QUE DURA L\'INTERVAL DE TEMPS ENTRE 2 CLICS'

# ---- helpers of the cases that record in the target and scan it

click_toolbar() {  # click_toolbar X Y: a click on a client point of the toolbar
    client_point "$1" "$2"
    xdotool mousemove "$CX" "$CY" sleep 0.2 click 1
}

# The centres of the target's buttons (100 x 40, 20 from their edges of the client area,
# which is the target's X window): sets UNO DOS TRES.
button_centres() {
    geometry "$1"
    UNO="$((WX + 70)) $((WY + 40))"
    DOS="$((WX + WW - 70)) $((WY + 40))"
    TRES="$((WX + 70)) $((WY + WH - 40))"
}

shot() {  # shot NAME: the screen, kept with the work folder (ZENTAVORO_E2E_KEEP)
    command -v import >/dev/null && import -window root "$WORK/$1.png" 2>/dev/null
    [ -n "${ZENTAVORO_E2E_SHOTS:-}" ] && mkdir -p "$ZENTAVORO_E2E_SHOTS" && cp "$WORK/$1.png" "$ZENTAVORO_E2E_SHOTS/" 2>/dev/null
    return 0
}

clicked() { [ "$(grep -c " BUTTON $1 " "$TARGET_LOG")" -ge "$2" ]; }
# press_until BUTTON CHECK...: a press of the mouse button, then the check until it holds.
# The hook mailbox loses a report that comes while a poll tick is between reading it and
# writing it back (a known window of a few milliseconds in each 100): a person whose press
# did nothing presses again, and so does this.
press_until() {
    local button=$1; shift
    xdotool click "$button"
    wait_for 2 "$@" && return 0
    note "a press of button $button went unanswered: pressed again"
    xdotool click "$button"
    wait_for 5 "$@"
}
