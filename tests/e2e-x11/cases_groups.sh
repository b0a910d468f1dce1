# Group scanning end to end: 36 points on a grid over the application. A frame lights the
# rows in turn; a press when the wanted row is lit enters it, and a press when the pointer
# is on the wanted point clicks there. Sourced by x11_e2e.sh, whose helpers these cases use.

# The frame's top and left edges on the screen, while it is shown.
group_frame_at() { # window: prints "left top"
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")"
}
# The first red row of a picture in column X from row Y down; nothing when none.
first_red_below() { # png x y
    convert "$1" -crop "1x$((768 - $3))+$2+$3" +repage txt:- | awk -F'[,: ]+' -v from="$3" '/#FF0000/ { print $2 + from; exit }'
}
frame_on_row() { # window top
    local at
    at=$(group_frame_at "$1") && [ "${at#* }" = "$2" ]
}
# Presses the switch as soon as the command succeeds, as a user watching the screen would;
# false when it does not within the given seconds.
press_when() { # seconds command...
    local limit=$1
    shift
    local until=$((SECONDS + limit))
    while [ $SECONDS -lt $until ]; do
        if "$@"; then
            xdotool click 1
            return 0
        fi
        sleep 0.02
    done
    return 1
}

until_row_lit() { # window top
    local until=$((SECONDS + 20))
    while [ $SECONDS -lt $until ]; do
        frame_on_row "$@" && return 0
        sleep 0.02
    done
    return 1
}

case_group_scan() {
    # The application at 50,150, 600 x 400; the points 90 px apart across, 60 px down.
    local points=() r c
    for r in 0 1 2 3 4 5; do
        for c in 0 1 2 3 4 5; do points+=("$((100 + 90 * c)),$((180 + 60 * r))"); done
    done
    write_scan_file "$tmp/work/teclado.zvo" "${points[@]}"
    # 1.5 s a step, long enough for a watcher made of shell commands on a busy machine; 0.3 s
    # of minimum interval.
    printf '[Zentavoro]\r\n%s=15\r\n%s=3\r\nESCANEIG PER GRUPS=S\xcd\r\n' "$scan_step_key" "$click_interval_key" \
        >"$ZENTAVORO_INI"
    start_target "Teclado de prova" 600x400+50+150 "$tmp/target.log"
    xdotool mousemove 900 700
    start_zentavoro teclado.zvo
    check "the program starts" wait_until 15 has_main_window
    main=$(main_window)
    has_group_frame() { [ -n "$(program_windows '^GroupFrame$' | head -1)" ]; }
    check "the program has its group frame" wait_until 10 has_group_frame
    local frame
    frame=$(program_windows '^GroupFrame$' | head -1)
    check "the first row is framed" wait_until 5 frame_on_row "$frame" 164
    check "the pointer stays where it was while rows are lit" pointer_on 900 700
    # Where the frame is drawn is read from the picture itself: it moves every step, and on
    # a busy machine a step may come between a look at its window and the picture.
    local png top
    png=$(screenshot row)
    top=$(first_red_below "$png" 300 140)
    check "the picture shows the frame round a row (top ${top:-none})" \
        sh -c "case ' 164 224 284 344 404 464 ' in *' $top '*) ;; *) exit 1 ;; esac"
    # A row's frame: 6 px bars from x 84 to 566, and 33 px high from its top.
    check "the frame is red, 6 px thick, round the row" pixels_are "$png" FF0000 84,$((top + 16)) 89,$((top + 16)) \
        561,$((top + 16)) 566,$((top + 16)) 300,$top 300,$((top + 5)) 300,$((top + 27)) 300,$((top + 32))
    check "inside it the application shows" \
        pixels_are "$png" FFFFFF 90,$((top + 16)) 560,$((top + 16)) 300,$((top + 6)) 300,$((top + 26))
    check "and outside it too" pixels_are "$png" FFFFFF 83,$((top + 16)) 567,$((top + 16)) 300,$((top + 33))

    # Three selections, as a user makes them.
    # Each selection counted from the first row lit, or from the click before, after which
    # the first row comes once the minimum interval has passed.
    local wanted=(2,3 5,5 0,0) one x y began took clicks=0
    until_row_lit "$frame" 164
    began=$(date +%s%3N)
    for one in "${wanted[@]}"; do
        r=${one%,*} c=${one#*,}
        x=$((100 + 90 * c)) y=$((180 + 60 * r))
        check "row $r: a press when it is lit" press_when 15 frame_on_row "$frame" $((y - 16))
        check "then at point $c of it" press_when 10 pointer_on "$x" "$y"
        check "clicks the application at $x,$y" wait_until 3 grep -Eq "^press 1 $x $y " "$tmp/target.log"
        took=$(($(date +%s%3N) - began))
        began=$(date +%s%3N)
        clicks=$((clicks + 1))
        # Sixteen steps of 1.5 s, the minimum interval before the first row and after
        # entering, and room for the time a watcher takes to see.
        check "within sixteen steps ($took ms)" [ "$took" -le 24900 ]
        check "and nothing else reached it" [ "$(grep -c '^press' "$tmp/target.log")" -eq "$clicks" ]
    done
    xdotool key space
    check "Space stops: the toolbar comes back" wait_until 5 is_viewable "$main"
    check "and the frame is hidden" wait_until 3 is_hidden "$frame"
}

first_item_pause_key=$'D\xc8CIMES DE SEGON DE PAUSA AL PRIMER ELEMENT'
rounds_before_wait_key=$'VOLTES SENSE PREMER ABANS D\'ESPERAR'
ini_is() { [ "$(ini_value Zentavoro "$1")" = "$2" ]; }

case_scan_timing_dialog() {
    start_zentavoro
    check "the main window appears" wait_main_placed
    check "the toolbar takes the focus" activate "$main"
    # Options, further options, the fourth entry.
    xdotool key alt+o
    sleep 0.5
    xdotool key m
    sleep 0.5
    xdotool key Down Down Down Return
    check "\"Tiempos del barrido...\" opens its dialog" wait_until 5 has_window_named '^Tiempos del barrido$'
    local dialog
    dialog=$(window_named '^Tiempos del barrido$')
    xdotool key Up Up Up
    check "the first item's stay is stored as it changes" wait_until 3 ini_is "$first_item_pause_key" 3
    xdotool key Tab Up Up
    check "and the rounds before waiting" wait_until 3 ini_is "$rounds_before_wait_key" 2
    # The button, in the middle of the dialog's bottom row.
    local info x y
    info=$(xwininfo -id "$dialog")
    x=$(($(awk '/Absolute upper-left X/ {print $4}' <<<"$info") + 199))
    y=$(($(awk '/Absolute upper-left Y/ {print $4}' <<<"$info") + 99))
    xdotool mousemove "$x" "$y" click 1
    check "its button closes it" wait_until 5 is_hidden "$dialog"
    check "the toolbar is still there" is_viewable "$main"
}
