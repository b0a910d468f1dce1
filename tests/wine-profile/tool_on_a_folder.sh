#!/bin/sh
# zentavoro-ini given a folder where its file should be: every operation answers as the
# Windows tool does (nothing to read, nothing written) and the tool ends normally.
#   tool_on_a_folder.sh ZENTAVORO_INI
set -u
tool=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/zentavoro-ini-folder.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT
mkdir "$work/Zentavoro.ini"

printf 'dump\nget\ts\tk\tdefault\t50\nset\ts\tk\tv\nraw\t41\ndump\n' >"$work/script"
"$tool" "$work/Zentavoro.ini" <"$work/script" >"$work/out" 2>"$work/err"
status=$?
printf 'missing\nret=7\t64656661756c74\nok=0\nraw failed\nmissing\n' >"$work/expected"
failed=0
if [ $status -ne 0 ]; then
    echo "FAIL: the tool ended with status $status" >&2
    cat "$work/err" >&2
    failed=1
fi
if ! cmp -s "$work/out" "$work/expected"; then
    echo "FAIL: unexpected answers (expected <, got >):" >&2
    diff "$work/expected" "$work/out" >&2
    failed=1
fi
if [ ! -d "$work/Zentavoro.ini" ] || [ -n "$(ls -A "$work/Zentavoro.ini")" ]; then
    echo "FAIL: the folder was changed" >&2
    failed=1
fi
[ $failed -eq 0 ] && echo "ok"
exit $failed
