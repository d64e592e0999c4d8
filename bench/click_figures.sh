#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The click on "Въведи" as a user gets it, under Xvfb with a D-Bus session bus as on a desktop:
# the first click in a freshly started program and the steady (repeated) click, at N = 999,
# 10000 and 30000, and the peak memory after the first click. Medians of RUNS fresh processes
# (default 9). Given several programs, it takes their runs in turn, so that a busy machine
# slows them alike. Usage: bench/click_figures.sh [FIRST_CLICK_PROGRAM...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- build/bench/first_click
runs=${RUNS:-9}

if [ -z "${DISPLAY:-}" ]; then
    source scripts/setup.sh
    install_missing xvfb xauth dbus
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" "$@" 2>/dev/null
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

results=$(mktemp)
for input in 999 1e4 3e4; do
    for _ in $(seq "$runs"); do
        for program in "$@"; do
            figures=$("$program" "$input") # a failed run stops the script
            echo "$program $(awk "BEGIN { print $input }") $figures" >>"$results"
        done
    done
done
for program in "$@"; do
    echo "$program"
    echo "N first_click_ms steady_click_ms peak_MiB"
    for n in 999 10000 30000; do
        rows=$(awk -v p="$program" -v n=$n '$1 == p && $2 == n' "$results")
        echo "$n $(awk '{ print $3 }' <<<"$rows" | median) $(awk '{ print $4 }' <<<"$rows" | median)" \
            "$(awk '{ print $5 }' <<<"$rows" | median)"
    done
done
rm "$results"
