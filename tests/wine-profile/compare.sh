#!/bin/sh
# Runs every operation script through zentavoro-ini and through the real Windows profile
# functions (winini.exe under Wine), each on a fresh file, and compares what they print.
#
#   compare.sh ZENTAVORO_INI BUILD_DIR [SCRIPT...]
#
# A script NAME.txt may come with NAME.wine-diff: the exact difference expected where we
# follow documented Windows behaviour and Wine does not (see README.md). Any other
# difference, or a different one, fails. Our own service is also built for Windows from
# the same sources and run under Wine, and must print exactly what the Linux build
# prints. Exit 77 (skipped) when Wine or MinGW is missing.

set -u
# Scripts and files are code page 1252 bytes: no tool may read them as text of a locale.
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 2 ]; then
    echo "usage: $0 ZENTAVORO_INI BUILD_DIR [SCRIPT...]" >&2
    exit 2
fi
ours_tool=$1
build_dir=$2
shift 2
if [ $# -eq 0 ]; then
    set -- "$here"/scripts/*.txt
fi

wine=$(command -v wine || command -v wine64 || true)
cc=$(command -v x86_64-w64-mingw32-gcc || true)
cxx=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++ || true)
if [ -z "$wine" ] || [ -z "$cc" ] || [ -z "$cxx" ]; then
    echo "SKIP: needs wine and the x86_64-w64-mingw32 compilers" >&2
    exit 77
fi
if [ ! -x "$ours_tool" ]; then
    echo "no zentavoro-ini at $ours_tool" >&2
    exit 2
fi

mkdir -p "$build_dir" || exit 2
winini="$build_dir/winini.exe"
if [ ! -f "$winini" ] || [ "$here/winini.c" -nt "$winini" ]; then
    "$cc" -O2 -Wall -o "$winini" "$here/winini.c" || exit 2
fi
root=$(cd "$here/../.." && pwd)
sources="$root/src/platform/profile.cpp $root/src/platform/profile_file_win32.cpp $root/src/platform/profile_document.cpp
         $root/src/platform/text.cpp $root/src/platform/numbers.cpp $root/tools/ini/main.cpp"
ours_exe="$build_dir/zentavoro-ini.exe"
stale=no
[ -f "$ours_exe" ] || stale=yes
for source in $sources "$root"/src/platform/*.h; do
    [ "$source" -nt "$ours_exe" ] && stale=yes
done
if [ $stale = yes ]; then
    "$cxx" -std=c++20 -O2 -static -I"$root/src" -o "$ours_exe" $sources || exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zentavoro-wine-profile.XXXXXX") || exit 2
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Only this run's own Wine server is stopped, by the prefix it serves.
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT

if ! timeout 120 wineboot -i >"$work/wineboot.log" 2>&1; then
    echo "wineboot failed:" >&2
    cat "$work/wineboot.log" >&2
    exit 1
fi

# The Windows name of a Unix path, through the Z: drive of a fresh prefix.
windows_path() {
    printf 'Z:%s' "$1" | tr '/' '\\'
}

# Pairs every operation with its result line so that a difference shows its cause.
annotate() {
    sed '/^#/d' "$1" | awk -v results="$2" '
        BEGIN { while ((getline line < results) > 0) result[++n] = line }
        { gsub(/\t/, " | "); print $0 "  =>  " (NR <= n ? result[NR] : "<no result>") }'
}

failed=0
for script in "$@"; do
    name=$(basename "$script" .txt)
    rm -rf "$work/ours" "$work/wine" "$work/ours-windows"
    mkdir -p "$work/ours" "$work/wine"

    sed '/^#/d' "$script" | "$ours_tool" "$work/ours/test.ini" >"$work/ours.out" 2>"$work/ours.err"
    sed '/^#/d' "$script" | timeout 120 wine "$winini" "$(windows_path "$work/wine/test.ini")" \
        >"$work/wine.out" 2>"$work/wine.err"
    mkdir -p "$work/ours-windows"
    sed '/^#/d' "$script" | timeout 120 wine "$ours_exe" "$(windows_path "$work/ours-windows/test.ini")" \
        >"$work/ours-windows.out" 2>"$work/ours-windows.err"

    annotate "$script" "$work/ours.out" >"$work/ours.txt"
    annotate "$script" "$work/wine.out" >"$work/wine.txt"
    diff "$work/ours.txt" "$work/wine.txt" >"$work/diff"

    expected="$here/scripts/$name.wine-diff"
    if [ ! -s "$work/wine.out" ]; then
        echo "FAIL $name: winini.exe printed nothing" >&2
        cat "$work/wine.err" >&2
        failed=1
    elif grep -q '^error$' "$work/ours.out" "$work/wine.out"; then
        echo "FAIL $name: the script has lines neither tool understands:" >&2
        grep -n '=>  error$' "$work/ours.txt" >&2
        failed=1
    elif ! cmp -s "$work/ours.out" "$work/ours-windows.out"; then
        echo "FAIL $name: our Windows build differs from our Linux build (Linux <, Windows >):" >&2
        annotate "$script" "$work/ours-windows.out" | diff "$work/ours.txt" - >&2
        cat "$work/ours-windows.err" >&2
        failed=1
    elif [ -f "$expected" ]; then
        if cmp -s "$work/diff" "$expected"; then
            echo "ok   $name (known Wine difference)"
        else
            echo "FAIL $name: the difference from Wine is not the known one" >&2
            echo "--- expected difference (ours <, Wine >):" >&2
            cat "$expected" >&2
            echo "--- actual difference (ours <, Wine >):" >&2
            cat "$work/diff" >&2
            failed=1
        fi
    elif [ -s "$work/diff" ]; then
        echo "FAIL $name (ours <, Wine >):" >&2
        cat "$work/diff" >&2
        failed=1
    else
        echo "ok   $name"
    fi
done
exit $failed
