#!/bin/bash
# prefix.sh make|remove: the Wine prefix that every case of a test run shares (made once,
# wineboot -i, in a temporary folder; removed at the end).
. "$(dirname "$0")/lib.sh"
case "${1:-}" in
    make) make_prefix ;;
    remove) remove_prefix ;;
    *) echo "usage: prefix.sh make|remove"; exit 2 ;;
esac
