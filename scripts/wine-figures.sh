#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program's figures under Wine on this machine (Wine is not Windows): its size and
# imports, the time from starting it to its first painted window (median of 11 starts, Wine's
# own start included, its wineserver already running), and the click on "Въведи" at N = 999,
# 1e4 and 3e4 (first click in a fresh process and the steady click, medians of 5 processes,
# with the peak working set). Run after ./build-windows.sh --tests: scripts/wine-figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
prefix=$PWD/$build/wine/figures
wine_run() { tests/windows/wine.sh "$prefix" x11 "$@" 2>/dev/null | tr -d '\r'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" $build/kvadrati.exe
echo "kvadrati.exe: $(stat -c %s $build/kvadrati.exe) bytes, stripped $(stat -c %s "$stripped") bytes"
rm "$stripped"
echo "imports: $(x86_64-w64-mingw32-objdump -p $build/kvadrati.exe | awk '/DLL Name/ { print $3 }' | sort | tr '\n' ' ')"

wine_run # makes the prefix and starts its wine server, kept up between the starts as in a session
trap 'tests/windows/wine.sh "$prefix" stop' EXIT
for _ in $(seq 11); do
    KVADRATI_START_NS=$(date +%s%N) wine_run $build/first_paint.exe
done | median | awk '{ printf "first painted window: median %.0f ms\n", $1 }'

echo "N first_click_ms steady_click_ms peak_MiB"
for input in 999 1e4 3e4; do
    rows=$(for _ in $(seq 5); do wine_run $build/first_click.exe "$input"; done)
    echo "$input $(awk '{ print $1 }' <<<"$rows" | median) $(awk '{ print $2 }' <<<"$rows" | median)" \
        "$(awk '{ print $3 }' <<<"$rows" | median)"
done
