#!/usr/bin/env bash
# ./run without a display plays the demonstration: it must end with status 0, its four
# screenshots and the board's click, and not one line on standard error (a newcomer takes
# any noise there for a failure).
#   demo_test.sh <source-dir> <build-dir>
set -u
source=$1 build=$2
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

env -u DISPLAY ZENTAVORO_BUILD_DIR="$build" ZENTAVORO_DEMO_OUT="$work/shots" \
    timeout 120 "$source/tools/demo.sh" >"$work/out" 2>"$work/err"
status=$?
sed 's/^/  out: /' "$work/out"
sed 's/^/  err: /' "$work/err"
failures=0
[ "$status" -eq 0 ] || { echo "FAIL - the demonstration ended with $status"; failures=$((failures + 1)); }
[ ! -s "$work/err" ] || { echo "FAIL - the demonstration wrote to standard error"; failures=$((failures + 1)); }
[ "$(ls "$work/shots"/*.png 2>/dev/null | wc -l)" -eq 4 ] || { echo "FAIL - not four screenshots"; failures=$((failures + 1)); }
grep -q "press 1 " "$work/out" || { echo "FAIL - the board logged no click"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "ok - the demonstration ends cleanly"
[ "$failures" -eq 0 ]
