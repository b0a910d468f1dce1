#!/usr/bin/env bash
# The check before the click: 200 perturbed trials (a window moved, resized by -30 % to
# +50 %, covered by another window, its content scrolled, or left as it was), each with a
# hover highlight, a caret and antialiasing drawn differently, judged by the program's own
# matcher, search and placement (zentavoro-spot-bench); then the same trials with each
# threshold moved either way, to show what it holds.
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/lib/common.sh"
name=$(basename "$0" .sh)
out=$BENCH_RESULTS/$name
bench=$BENCH_LINUX/bench/spot-check/zentavoro-spot-bench
{
    bench_section "The check before the click: perturbed trials"
    if [ -x "$bench" ]; then
        "$bench" --trials 200 --json "$out.json"
        echo
        echo "A click is wrong when it lands on another element than the one recorded (another"
        echo "button, another row, a covering window). \"Check off\" clicks where the window's edges"
        echo "place the point; \"check on\" compares the spot there with its picture and refuses a"
        echo "changed one; \"check on and search\" first looks for the picture in a window-sized"
        echo "neighbourhood, as the program does for points that follow their window. The last"
        echo "column counts refusals where the click would have been right. Goals: 0 wrong clicks"
        echo "with the check on; at most 2 % refused on unchanged spots; the comparison at most"
        echo "5 ms a click (the search runs when the point is placed, before the press)."
        echo
        echo "The same trials (seed 19) with one threshold moved at a time, then 1000 trials of"
        echo "another seed with the program's thresholds:"
        echo
        echo "| tolerance | most difference | most difference, found | wrong, check on | wrong, check on and search | refused on unchanged spots | refused where the place was right |"
        echo "|---:|---:|---:|---:|---:|---:|---:|"
        for args in "" "--tolerance 30" "--tolerance 55" "--most-difference 0.03" "--most-difference 0.10" \
            "--most-difference-found 0.01" "--most-difference-found 0.05"; do
            # shellcheck disable=SC2086
            "$bench" --trials 200 --summary $args
        done
        "$bench" --trials 1000 --seed 7 --summary | sed 's/^| /| (1000 trials) /'
        echo
        echo "Why each threshold (src/points/spot_matcher.h, SpotTuning), and what holds it:"
        echo
        echo "- *tolerance* 40 of 255 in luminance: ink on a face (a glyph, a border against the"
        echo "  window) differs by 100 or more, a hover tint by far less (the unit tests' blue hover"
        echo "  border passes because colour counts a quarter, not because of the tolerance). Raised"
        echo "  to 55, fewer right places are refused above, but a grey digit (140 on a face of 225)"
        echo "  turned from 7 to 1 then differs by only 6 % of the content instead of 21 %, a hair"
        echo "  above the limit: 40 keeps a wide margin for faint text."
        echo "- *most difference* 5 % of the spot's content (weighted towards the centre): a caret"
        echo "  and a hover are passed over by name (difference 0 in the unit tests), so what is left"
        echo "  of an unchanged spot is antialiasing; another digit on the same button changes far"
        echo "  more (7 to 4: 40 %, 7 to 1: 21 %), a covering window all of it."
        echo "- *most difference, found* 2 %: a place chosen by the search must be clearly the same,"
        echo "  since the pointer is moved there on the strength of the match alone; two places"
        echo "  that both match within it and lie apart (a row of identical buttons) are a guess,"
        echo "  and the place the edges give is kept for the check to judge."
        echo "- *least detail* 10 % of the spot besides its background: a 32 px spot inside a"
        echo "  blank field or a large button's face would look the same under any window of that"
        echo "  colour, so a larger spot (64, then 96 px) is taken at recording."
        echo "- *least seen* 25 %: a spot mostly under the program's own windows or off the screen"
        echo "  cannot be judged, and is refused rather than clicked."
        echo "- *caret height* 11 px at a side of 32: the strokes of letters in a 9 pt font are"
        echo "  shorter, a caret is as tall as the line. *most shift* 24: a hover highlight shifts a"
        echo "  face's luminance by some 10 to 20 (13 for the unit tests' light blue), a window of"
        echo "  another colour over the spot by far more, which must not be taken off."
        echo
        echo "The trials do not reach any threshold's edge (moving each leaves the wrong clicks at"
        echo "0); the edges are held by the unit tests (tests/core/spot_matcher_test.cpp): a caret"
        echo "and a hover pass, a bar 3 px wide and another glyph are refused. In the 200 trials"
        echo "the refusals of a right place all come from resized windows, whose spot now holds"
        echo "more or less of the button's border: the click is refused and the user steps on,"
        echo "never a wrong click."
    else
        echo "Not measured: $bench was not built."
    fi
    echo
} >"$out.md"
