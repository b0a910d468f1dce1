#!/usr/bin/env bash
# Runs a command on a new Xvfb server of its own (1024 x 768, 24 bits), once the server
# answers. The server number
# is drawn at random among the free ones, so that tests run side by side (ctest -j) do
# not race for the same number as xvfb-run -a can. Exit 77 when Xvfb is not installed.
for tool in xvfb-run Xvfb; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
for _ in $(seq 50); do
    n=$((100 + RANDOM % 800))
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
# The server never resets: by default it does whenever its last client leaves, and a client
# arriving meanwhile is refused (seen: a window manager started right after a first client
# had come and gone). xvfb-run can also hand over before the server takes connections, so
# the command waits until it answers.
exec xvfb-run -n "$n" -s "-screen 0 1024x768x24 -noreset" sh -c '
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    exec "$@"' sh "$@"
