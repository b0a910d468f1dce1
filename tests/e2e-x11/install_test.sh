#!/usr/bin/env bash
# The Linux build's installation: cmake --install into a scratch DESTDIR, then the files a
# user and the desktop look for, and the installed program finding the installed hook
# library (and not the one in the build tree).
#   install_test.sh <build-dir> <source-dir> <bindir> <libdir> <docdir> <datadir>
# The four folders are the full installation paths the build was configured with.
set -u
build=$1 source=$2 bindir=$3 libdir=$4 docdir=$5 datadir=$6

for tool in cmake ldd readelf; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

failures=0 passes=0
check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then
        echo "ok - $name"
        passes=$((passes + 1))
    else
        echo "FAIL - $name"
        failures=$((failures + 1))
    fi
}
same_file() { cmp -s "$1" "$2"; }

if ! DESTDIR=$root cmake --install "$build" >"$root.log" 2>&1; then
    cat "$root.log"
    rm -f "$root.log"
    echo "FAIL - cmake --install"
    exit 1
fi
rm -f "$root.log"

program=$root$bindir/zentavoro
library=$root$libdir/libLlibreriaZentavoro.so
check "the program is installed in $bindir" test -x "$program"
check "the hook library is installed in $libdir" test -f "$library"
help=$root$docdir/zentavoro.txt
utf8_lf() { iconv -f UTF-8 -t UTF-8 "$1" >/dev/null && ! grep -q $'\r' "$1"; }
linux_places() { grep -qF '~/.config/zentavoro/Zentavoro.ini' "$1" && ! grep -Eq 'APPDATA|\.exe' "$1"; }
check "the help file is installed in $docdir" test -f "$help"
check "in UTF-8 with Linux line ends" utf8_lf "$help"
check "speaking of the Linux places, not of the Windows ones" linux_places "$help"
check "and of how to mend a recording" grep -q 'Editar puntos' "$help"
check "the desktop entry is installed" \
    same_file "$root$datadir/applications/zentavoro.desktop" "$source/assets/zentavoro.desktop"
check "the icon is installed as the desktop entry names it" \
    same_file "$root$datadir/icons/hicolor/64x64/apps/zentavoro.png" "$source/assets/pictures/zentavoro.png"
check "the desktop entry names the installed program and icon" \
    grep -Eq '^Exec=zentavoro( |$)' "$root$datadir/applications/zentavoro.desktop"

# The search path written into the program: relative to the program itself.
relative=$(realpath -m --relative-to="$bindir" "$libdir")
runpath=$(readelf -d "$program" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
check "the program looks for its libraries in \$ORIGIN/$relative" [ "$runpath" = "\$ORIGIN/$relative" ]
check "nothing of the build tree is left in that path" sh -c "! readelf -d '$program' | grep -q '$build'"
resolved=$(ldd "$program" | awk '$1 == "libLlibreriaZentavoro.so" { print $3 }')
check "the installed program finds the installed hook library" \
    [ "$(realpath "$resolved" 2>/dev/null)" = "$(realpath "$library")" ]
check "and every other library it needs" sh -c "! ldd '$program' | grep -q 'not found'"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
