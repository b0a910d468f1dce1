#!/usr/bin/env bash
# Runs a command on a new Xvfb server of its own (1024 x 768, 24 bits). The server number
# is drawn at random among the free ones, so that tests run side by side (ctest -j) do
# not race for the same number as xvfb-run -a can. Exit 77 when Xvfb is not installed.
for tool in xvfb-run Xvfb; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
for _ in $(seq 50); do
    n=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
exec xvfb-run -n "$n" -s "-screen 0 1024x768x24" "$@"
