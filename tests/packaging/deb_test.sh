#!/usr/bin/env bash
# The Debian package, made by CPack from the Linux build tree into a scratch folder and
# looked at from outside: its name, what it holds, its dependencies against what the
# binaries really need, lintian, the AppStream description, the manual page, and the
# program started from the unpacked package, finding its hook library there.
#   deb_test.sh <build-dir> <version>
set -u
build=$1 version=$2

for tool in cpack dpkg-deb dpkg readelf ldd; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
program_pid=""
xvfb_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0 passes=0 skips=0
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
skip() { echo "skip - $1"; skips=$((skips + 1)); }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL - cpack -G DEB"
    exit 1
fi
deb="$work/out/zentavoro_${version}_amd64.deb"
check "the package is named zentavoro_${version}_amd64.deb" test -f "$deb"
[ -f "$deb" ] || exit 1

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' > "$work/contents"
holds() { grep -qx "$1" "$work/contents"; }
libdir=/usr/lib/x86_64-linux-gnu/zentavoro
for path in /usr/bin/zentavoro $libdir/libLlibreriaZentavoro.so /usr/share/applications/zentavoro.desktop \
            /usr/share/icons/hicolor/64x64/apps/zentavoro.png /usr/share/doc/zentavoro/zentavoro.txt \
            /usr/share/doc/zentavoro/copyright /usr/share/doc/zentavoro/changelog.gz \
            /usr/share/metainfo/org.zentavoro.Zentavoro.metainfo.xml /usr/share/man/man1/zentavoro.1.gz; do
    check "the package holds $path" holds "$path"
done
check "nothing outside /usr" sh -c "! grep -v '^/usr' '$work/contents' | grep -q ."
check "no maintainer scripts (nothing to run at installation)" sh -c "! dpkg-deb -I '$deb' | grep -Eq ' (postinst|postrm|preinst|prerm) '"

field() { dpkg-deb -f "$deb" "$1"; }
check "package zentavoro, version $version, for amd64" \
    [ "$(field Package) $(field Version) $(field Architecture)" = "zentavoro $version amd64" ]

# Every library the program and the hook library load, bar the hook library itself, comes
# from a package that Depends names.
dpkg-deb -x "$deb" "$work/root"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
echo "$depends" > "$work/depends"
for binary in "$work/root/usr/bin/zentavoro" "$work/root$libdir/libLlibreriaZentavoro.so"; do
    for needed in $(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        [ "$needed" = libLlibreriaZentavoro.so ] && continue
        # The dynamic loader is listed by its path, the others by name then path.
        path=$(ldd "$binary" | awk -v lib="$needed" '$1 == lib { print $3 } $1 ~ ("/" lib "$") { print $1 }' | head -1)
        owner=$(dpkg -S "$(realpath "$path")" 2>/dev/null | head -1 | cut -d: -f1)
        [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
        check "$(basename "$binary") needs $needed: its package ${owner:-?} is a dependency" grep -qx "${owner:-none}" "$work/depends"
    done
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$work/lintian" 2>&1
    status=$?
    grep -v 'running with root privileges' "$work/lintian" | sed 's/^/  lintian: /'
    check "lintian finds no error" [ "$status" -eq 0 ]
else
    skip "lintian is not installed"
fi

if command -v appstreamcli >/dev/null; then
    check "the AppStream description is valid" \
        appstreamcli validate --no-net --strict "$work/root/usr/share/metainfo/org.zentavoro.Zentavoro.metainfo.xml"
else
    skip "appstreamcli is not installed"
fi

if command -v man >/dev/null; then
    MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man1/zentavoro.1.gz" >"$work/man.txt" 2>"$work/man.err"
    check "the manual page reads without warnings" [ ! -s "$work/man.err" ]
    for heading in SYNOPSIS OPTIONS FILES "SCAN FILE FORMAT"; do
        check "the manual page has $heading" grep -q "^$heading" "$work/man.txt"
    done
    check "the manual page names the settings file" grep -q "zentavoro/Zentavoro.ini" "$work/man.txt"
    check "the manual page names the swapped-buttons word" grep -q INTERCANVIARBOTONSDELARATA "$work/man.txt"
else
    skip "man is not installed"
fi

# Unpacked anywhere, the program finds its own hook library beside it.
program="$work/root/usr/bin/zentavoro"
resolved=$(ldd "$program" | awk '$1 == "libLlibreriaZentavoro.so" { print $3 }')
check "the unpacked program resolves the unpacked hook library" \
    [ "$(realpath "$resolved" 2>/dev/null)" = "$(realpath "$work/root$libdir/libLlibreriaZentavoro.so")" ]
check "and every other library it needs" sh -c "! ldd '$program' | grep -q 'not found'"
if command -v Xvfb >/dev/null; then
    mkfifo "$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/displayfd" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 20 number <"$work/displayfd"
    mkdir -m 700 "$work/runtime"
    (cd "$work" && DISPLAY=":$number" ZENTAVORO_INI="$work/Zentavoro.ini" XDG_RUNTIME_DIR="$work/runtime" \
        exec "$program" >"$work/program.log" 2>&1) &
    program_pid=$!
    loaded=no
    for _ in $(seq 100); do
        if grep -q "$work/root$libdir/libLlibreriaZentavoro.so" "/proc/$program_pid/maps" 2>/dev/null; then loaded=yes; break; fi
        sleep 0.1
    done
    check "the unpacked program starts and loads the unpacked hook library" [ "$loaded" = yes ]
    sleep 1
    check "and keeps running" kill -0 "$program_pid"
else
    skip "Xvfb is not installed: the program was not started"
fi

echo "$passes passed, $failures failed, $skips skipped"
[ "$failures" -eq 0 ]
