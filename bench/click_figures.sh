#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The click on "Въведи" as a user gets it, under Xvfb with a D-Bus session bus as on a desktop:
# the first click in a freshly started program and the steady (repeated) click, at N = 999,
# 10000 and 30000, and the peak memory after the first click. Medians of RUNS fresh processes
# (default 7). Usage: bench/click_figures.sh [FIRST_CLICK_PROGRAM] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/bench/first_click} runs=${2:-7}

if [ -z "${DISPLAY:-}" ]; then
    source scripts/setup.sh
    install_missing xvfb xauth dbus
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$0" "$@" 2>/dev/null
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "N first_click_ms steady_click_ms peak_MiB"
for input in 999 1e4 3e4; do
    results=$(for _ in $(seq "$runs"); do "$program" "$input"; done)
    printf '%s %s %s %s\n' "$(awk "BEGIN { print $input }")" \
        "$(cut -d' ' -f1 <<<"$results" | median)" "$(cut -d' ' -f2 <<<"$results" | median)" \
        "$(cut -d' ' -f3 <<<"$results" | median)"
done
