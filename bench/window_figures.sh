#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the real program under Xvfb: the time from starting it to its first painted window
# (median of 21 starts), and its peak memory after the largest N a user can type (3e4, that is
# N = 30000). Run from the project folder after building: bench/window_figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing time xvfb xauth xdotool dbus

if [ -z "${DISPLAY:-}" ]; then
    # -noreset: the server stays up between the short runs below. A session bus, as on a
    # desktop, so that the accessibility bridge does not start one of its own.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" "$@"
fi

for _ in $(seq 21); do
    KVADRATI_START_NS=$(date +%s%N) build/bench/first_paint
done | sort -n | awk '{ t[NR] = $1 } END { printf "first paint: median %.1f ms (min %.1f, max %.1f)\n", t[11], t[1], t[NR] }'

report=$(mktemp)
/usr/bin/time -v -o "$report" build/kvadrati &
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --class kvadrati 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
    sleep 0.05
done
[ -n "$wid" ] || { echo "the window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 0.3
xdotool type 3e4
xdotool mousemove $((X + 148)) $((Y + 76)) click 1
sleep 2
build/tests/e2e/close_window "$wid"
wait
echo "peak memory after 3e4: $(awk -F': ' '/Maximum resident/ { printf "%.1f MiB", $2 / 1024 }' "$report")"
