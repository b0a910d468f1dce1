# Names and speech on the Linux desktop: a GTK window of ours whose buttons tell the
# accessibility layer their labels, under a D-Bus session of its own with the
# accessibility bus, and speech-dispatcher speaking into a PulseAudio null sink that
# parec records. Sourced by x11_e2e.sh.

gtk_target=$here/../../tools/gtk-target/gtk_target.py
say_names_key='DIR EL NOM DE CADA PUNT'

# GTK 3 for Python, or the case is skipped. Asked once the session bus is set: GTK starting
# without one would have D-Bus launch one for the display, and the accessibility bus with it.
require_gtk() {
    /usr/bin/python3 -c 'import gi; gi.require_version("Gtk", "3.0"); from gi.repository import Gtk' 2>/dev/null ||
        { echo "skipped: GTK 3 for Python is not installed"; exit 77; }
}

# A desktop that speaks and tells what its elements are: a session bus (the accessibility
# bus is started from it when an application first asks), a sound server whose only
# output is the null sink "zentavoro", and the speech service, ready. Skips the case when
# the tools are missing.
start_speaking_desktop() {
    local tool
    for tool in dbus-launch pulseaudio pactl parec sox speech-dispatcher /usr/bin/python3; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
    export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home
    mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
    eval "$(dbus-launch --sh-syntax)"
    pids+=("$DBUS_SESSION_BUS_PID")
    require_gtk
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load="module-null-sink sink_name=zentavoro" --load=module-native-protocol-unix \
        >"$tmp/pulseaudio.log" 2>&1 &
    pids+=($!)
    wait_until 10 sh -c 'pactl info >/dev/null 2>&1' || { echo "FAIL - the sound server did not start"; exit 1; }
    pactl set-default-sink zentavoro
    speech-dispatcher -s -t 0 -L "$tmp" >"$tmp/speechd.log" 2>&1 &
    pids+=($!)
    wait_until 20 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
        { echo "FAIL - speech-dispatcher did not start"; exit 1; }
}

# Records the null sink (16-bit mono, 16 kHz) to a raw file until stop_sound_recording.
start_sound_recording() { # file
    parec -d zentavoro.monitor --format=s16le --rate=16000 --channels=1 --latency-msec=10 >"$1" &
    parec_pid=$!
    pids+=("$parec_pid")
}
stop_sound_recording() { kill "$parec_pid" 2>/dev/null; wait "$parec_pid" 2>/dev/null; }
# The stretches of sound in a recording, as sox finds them: each starts where the level
# rises above 1 % and ends after 0.3 s below it.
sound_stretches() { # raw file
    local parts=$tmp/stretches
    rm -rf "$parts" && mkdir -p "$parts"
    sox -t raw -r 16000 -e signed -b 16 -c 1 "$1" "$parts/part.wav" \
        silence 1 0.02 1% 1 0.3 1% : newfile : restart 2>/dev/null
    # The last file is the silence after the last stretch.
    local n=0 f
    for f in "$parts"/part*.wav; do
        [ -f "$f" ] || continue
        awk -v m="$(sox "$f" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')" 'BEGIN { exit !(m > 0.05) }' &&
            n=$((n + 1))
    done
    echo "$n"
}
between() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; } # value least most
peak_of() { # raw file
    sox -t raw -r 16000 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}

# Records from the toolbar the middle of the GTK window's first buttons (as many as asked)
# and the further places given, stops with the right button and saves under the name
# proposed, the window's title; sets `points` to the places recorded, in order.
record_gtk_places() { # app buttons [place...]
    local app=$1 buttons=$2 label x y w h p
    shift 2
    start_recording_from_toolbar "$app"
    points=()
    while read -r _ label x y w h; do
        points+=("$((x + w / 2)),$((y + h / 2))")
    done < <(grep '^button ' "$tmp/gtk.log" | head -"$buttons")
    check "$buttons buttons" [ "${#points[@]}" -eq "$buttons" ]
    points+=("$@")
    for p in "${points[@]}"; do
        xdotool mousemove "${p%,*}" "${p#*,}" click 1
        sleep 0.4
    done
    xdotool click 3
    local title='^Guardar - Archivo Zentavoro$'
    check "the right button stops recording and the save dialog opens" wait_until 10 has_window_named "$title"
    sleep 0.5
    xdotool key Return
    check "the file is saved under the window's title" wait_until 5 test -f "$tmp/work/Prueba GTK.zvo"
}

case_speech_names() {
    start_speaking_desktop
    printf '[Zentavoro]\r\n%s=20\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=S\xcd\r\n' "$scan_step_key" "$say_names_key" \
        >"$ZENTAVORO_INI"
    /usr/bin/python3 "$gtk_target" --title "Prueba GTK" --geometry 560x200+100+150 --log "$tmp/gtk.log" &
    pids+=($!)
    check "the GTK window shows its buttons" wait_until 20 grep -qs '^ready' "$tmp/gtk.log"
    local app
    app=$(window_named '^Prueba GTK$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    # The three buttons, then a place on none.
    local points
    record_gtk_places "$app" 3 400,300
    local saved="$tmp/work/Prueba GTK.zvo"
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 4\r\n'
        printf '%s\r\n' "${points[@]}"
        printf '//zv names 1\r\n//zv name 1 "Aceptar"\r\n//zv name 2 "Cancelar"\r\n//zv name 3 "Ayuda"\r\n'
        printf '//zv name 4 "Prueba GTK 4"\r\n'
    } >"$tmp/expected.zvo"
    check "it holds the buttons' names, and the window's title and number for the place on none" \
        wait_until 5 cmp -s "$saved" "$tmp/expected.zvo"
    cmp -s "$saved" "$tmp/expected.zvo" || diff "$tmp/expected.zvo" "$saved" | sed 's/^/  /'
    # Ended before scanning starts, so that nothing of the recording is heard. Not by Alt+F4:
    # the window manager can take that key late, and it then closes the copy started next.
    kill "$zv_pid" 2>/dev/null
    wait_until 5 process_ended "$zv_pid"

    # Scanning the file: each step says its point's name into the null sink.
    start_sound_recording "$tmp/steps.raw"
    sleep 0.5
    start_zentavoro "$saved"
    check "scanning reaches the first button" wait_until 15 pointer_on "${points[0]%,*}" "${points[0]#*,}"
    local first_step
    first_step=$(date +%s%3N)
    # Four steps of 2 s from the first, then the stretch after the fourth is heard out.
    check "and the last place" wait_until 10 pointer_on "${points[3]%,*}" "${points[3]#*,}"
    sleep 1.2
    local lasted=$(($(date +%s%3N) - first_step))
    kill "$zv_pid" 2>/dev/null
    wait_until 5 process_ended "$zv_pid"
    stop_sound_recording
    # As many steps as the scanning made (a loaded machine may let one more come before
    # the program ends), the first seen up to 0.2 s late and the last 0.2 s either way.
    local fewest=$((1 + (lasted - 200) / 2000)) most=$((1 + (lasted + 400) / 2000)) stretches
    [ "$fewest" -lt 4 ] && fewest=4
    stretches=$(sound_stretches "$tmp/steps.raw")
    echo "  scanning lasted $lasted ms from the first step; $stretches stretches of sound; peak $(peak_of "$tmp/steps.raw")"
    check "each step is heard, apart from the others (heard $stretches, steps $fewest to $most)" \
        between "$stretches" "$fewest" "$most"
}

# A desktop with neither: no session bus (so no accessibility bus) and no speech service.
# The program records and scans as ever; the points on the GTK window's buttons, which
# would have names on a desktop with the accessibility bus, take the window's title and
# their number; the first start of scanning says, once, that it cannot speak.
case_speech_without_a_speaking_desktop() {
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/no-session-bus"
    export SPEECHD_ADDRESS="unix_socket:$tmp/no-speech-dispatcher.sock"
    require_gtk
    printf '[Zentavoro]\r\n%s=5\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=S\xcd\r\n' "$scan_step_key" "$say_names_key" \
        >"$ZENTAVORO_INI"
    /usr/bin/python3 "$gtk_target" --title "Prueba GTK" --geometry 560x200+100+150 --log "$tmp/gtk.log" \
        >"$tmp/gtk.out" 2>&1 &
    pids+=($!)
    check "the GTK window shows its buttons" wait_until 20 grep -qs '^ready' "$tmp/gtk.log"
    local app
    app=$(window_named '^Prueba GTK$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    local points
    record_gtk_places "$app" 2
    local saved="$tmp/work/Prueba GTK.zvo"
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 2\r\n'
        printf '%s\r\n' "${points[@]}"
        printf '//zv names 1\r\n//zv name 1 "Prueba GTK 1"\r\n//zv name 2 "Prueba GTK 2"\r\n'
    } >"$tmp/expected.zvo"
    check "the points are named after their window and number" wait_until 5 cmp -s "$saved" "$tmp/expected.zvo"

    check "the toolbar takes the focus again" activate "$main"
    xdotool key --delay 0 ctrl+e
    local box='^Brisal 2001 - Zentavoro$'
    check "starting to scan says that the names cannot be said" wait_until 10 has_window_named "$box"
    screenshot no-speech >/dev/null
    activate "$(window_named "$box")"
    xdotool key Return
    check "the message goes" wait_until 5 sh -c "! xdotool search --name '$box' >/dev/null 2>&1"
    local first=${points[0]} second=${points[1]}
    check "scanning goes on: the first point" wait_until 10 pointer_on "${first%,*}" "${first#*,}"
    check "and the second" wait_until 5 pointer_on "${second%,*}" "${second#*,}"
    check "and round again" wait_until 5 pointer_on "${first%,*}" "${first#*,}"
    xdotool click 3
    check "the right button stops scanning" wait_until 10 is_viewable "$main"
    check "the toolbar takes the focus again" activate "$main"
    xdotool key --delay 0 ctrl+e
    check "a second start scans" wait_until 10 pointer_on "${second%,*}" "${second#*,}"
    check "without a second message" sh -c "! xdotool search --name '$box' >/dev/null 2>&1"
    check "the program is still running" kill -0 "$zv_pid"
}

# An application that does not answer (stopped): the clicks are recorded as they come,
# the stop waits half a second at most for the names, and the points take the window's
# title and their number.
case_speech_silent_application() {
    start_speaking_desktop
    printf '[Zentavoro]\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=S\xcd\r\n' "$say_names_key" >"$ZENTAVORO_INI"
    /usr/bin/python3 "$gtk_target" --title "Prueba GTK" --geometry 560x200+100+150 --log "$tmp/gtk.log" &
    local gtk=$!
    pids+=("$gtk")
    check "the GTK window shows its buttons" wait_until 20 grep -qs '^ready' "$tmp/gtk.log"
    local app
    app=$(window_named '^Prueba GTK$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$app"
    kill -STOP "$gtk"
    local p
    for p in 200,215 340,215 480,215; do
        xdotool mousemove "${p%,*}" "${p#*,}" click 1
        sleep 0.3
    done
    local stopped
    stopped=$(date +%s%3N)
    xdotool click 3
    local title='^Guardar - Archivo Zentavoro$'
    check "the save dialog opens soon after the right button" wait_until 5 has_window_named "$title"
    local waited=$(($(date +%s%3N) - stopped))
    echo "  the save dialog came $waited ms after the right button"
    check "within 3 s (each unanswered call to the application alone may take 0.7 s)" [ "$waited" -lt 3000 ]
    sleep 0.5
    xdotool key Return
    local saved="$tmp/work/Prueba GTK.zvo"
    check "the file is saved" wait_until 5 test -f "$saved"
    printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 3\r\n200,215\r\n340,215\r\n480,215\r\n//zv names 1\r\n//zv name 1 "Prueba GTK 1"\r\n//zv name 2 "Prueba GTK 2"\r\n//zv name 3 "Prueba GTK 3"\r\n' \
        >"$tmp/expected.zvo"
    check "every click is a point, named after the window and its number" wait_until 5 cmp -s "$saved" "$tmp/expected.zvo"
    kill -CONT "$gtk"
    check "the program is still running" kill -0 "$zv_pid"
}
