# Names and speech on the Linux desktop: a GTK window of ours whose buttons tell the
# accessibility layer their labels, under a D-Bus session of its own with the
# accessibility bus, and speech-dispatcher speaking into a PulseAudio null sink that
# parec records. Sourced by x11_e2e.sh.

gtk_target=$here/../../tools/gtk-target/gtk_target.py
say_names_key='DIR EL NOM DE CADA PUNT'

# A desktop that speaks and tells what its elements are: a session bus (the accessibility
# bus is started from it when an application first asks), a sound server whose only
# output is the null sink "zentavoro", and the speech service, ready. Skips the case when
# the tools are missing.
start_speaking_desktop() {
    local tool
    for tool in dbus-launch pulseaudio pactl parec sox speech-dispatcher /usr/bin/python3; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
    /usr/bin/python3 -c 'import gi; gi.require_version("Gtk", "3.0"); from gi.repository import Gtk' 2>/dev/null ||
        { echo "skipped: GTK 3 for Python is not installed"; exit 77; }
    export XDG_RUNTIME_DIR=$tmp/run HOME=$tmp/home
    mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
    eval "$(dbus-launch --sh-syntax)"
    pids+=("$DBUS_SESSION_BUS_PID")
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
peak_of() { # raw file
    sox -t raw -r 16000 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}

case_speech_names() {
    start_speaking_desktop
    printf '[Zentavoro]\r\n%s=15\r\nCERCAR ARXIU ESCANEIG=S\xcd\r\n%s=S\xcd\r\n' "$scan_step_key" "$say_names_key" \
        >"$ZENTAVORO_INI"
    /usr/bin/python3 "$gtk_target" --title "Prueba GTK" --geometry 560x200+100+150 --log "$tmp/gtk.log" &
    pids+=($!)
    check "the GTK window shows its buttons" wait_until 20 grep -qs '^ready' "$tmp/gtk.log"
    local app
    app=$(window_named '^Prueba GTK$')
    activate "$app"
    start_zentavoro
    check "the main window appears" wait_main_placed
    start_recording_from_toolbar "$app"
    # The middle of each button, as the window says it stands; then a place on no button.
    local label x y w h points=()
    while read -r _ label x y w h; do
        points+=("$((x + w / 2)),$((y + h / 2))")
    done < <(grep '^button ' "$tmp/gtk.log")
    check "three buttons" [ "${#points[@]}" -eq 3 ]
    points+=("400,300")
    local p
    for p in "${points[@]}"; do
        xdotool mousemove "${p%,*}" "${p#*,}" click 1
        sleep 0.4
    done
    xdotool click 3
    local title='^Guardar - Archivo Zentavoro$'
    check "the right button stops recording and the save dialog opens" wait_until 10 has_window_named "$title"
    sleep 0.5
    xdotool key Return
    local saved="$tmp/work/Prueba GTK.zvo"
    check "the file is saved under the window's title" wait_until 5 test -f "$saved"
    {
        printf 'Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xfamero de puntos = 4\r\n'
        printf '%s\r\n' "${points[@]}"
        printf '//zv names 1\r\n//zv name 1 "Aceptar"\r\n//zv name 2 "Cancelar"\r\n//zv name 3 "Ayuda"\r\n'
        printf '//zv name 4 "Prueba GTK 4"\r\n'
    } >"$tmp/expected.zvo"
    check "it holds the buttons' names, and the window's title and number for the place on none" \
        cmp "$saved" "$tmp/expected.zvo"
    # Closed before scanning starts, so that nothing of the recording is heard.
    xdotool key --window "$main" alt+F4 2>/dev/null
    kill "$zv_pid" 2>/dev/null
    wait_until 5 process_ended "$zv_pid"

    # Scanning the file: each step says its point's name into the null sink.
    start_sound_recording "$tmp/steps.raw"
    sleep 0.5
    start_zentavoro "$saved"
    check "scanning reaches the first button" wait_until 15 pointer_on "${points[0]%,*}" "${points[0]#*,}"
    local rounds_start
    rounds_start=$(date +%s%3N)
    # Four steps of 1.5 s from the first, then the stretch after the fourth is heard out.
    check "and the last place" wait_until 10 pointer_on "${points[3]%,*}" "${points[3]#*,}"
    sleep 1.3
    kill "$zv_pid" 2>/dev/null
    wait_until 5 process_ended "$zv_pid"
    stop_sound_recording
    echo "  scanning lasted $(($(date +%s%3N) - rounds_start)) ms after the first step; peak $(peak_of "$tmp/steps.raw")"
    local stretches
    stretches=$(sound_stretches "$tmp/steps.raw")
    check "each of the four steps is heard, apart from the others (heard $stretches)" [ "$stretches" -eq 4 ]
}
