#!/bin/sh
# linux-help.sh IN OUT: the carers' help as the Linux build installs it. The text is the one
# Windows installs (code page 1252, CR LF), with the Linux places instead of the Windows
# ones, in UTF-8 with LF line ends, as Linux text viewers expect.
set -eu
in=$1
out=$2
tmp=$out.tmp
iconv -f CP1252 -t UTF-8 "$in" | tr -d '\r' | sed \
    -e 's|detrás de Zentavoro\.exe en$|detrás de la orden|' \
    -e 's|^el acceso directo: al arrancar, lo carga y empieza el barrido\.$|zentavoro en el lanzador, por ejemplo "zentavoro Carta.zvo": al\narrancar, lo carga y empieza el barrido.|' \
    -e 's|%APPDATA%\\Zentavoro\\Zentavoro\.ini|~/.config/zentavoro/Zentavoro.ini|' \
    >"$tmp"
# A Windows place left over means the help changed where this script does not look: the
# build stops rather than send Linux carers to places they do not have.
if grep -n -e '%APPDATA%' -e '\.exe' -e 'acceso directo' "$tmp" >&2; then
    echo "linux-help.sh: the lines above still speak of Windows; add them to this script" >&2
    rm -f "$tmp"
    exit 1
fi
mv "$tmp" "$out"
