#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compares this tree with version 1.00 (commit 53b4b82), both built here in one run: the same
# screenshots, copies (plain and HTML) and accessible texts of the window
# (bench/window_views.cpp), every pixel or text difference listed with its size and whether a
# one-pixel shift of the output's text explains it, then the clicks and peak memory of both
# (bench/click_figures.sh) with their ratios. 1.00 is checked out with `git worktree add` into OLD_TREE.
# Usage: bench/compare_with_1.00.sh [OLD_TREE]   (default /tmp/kvadrati-1.00)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing xvfb xauth dbus imagemagick
old=${1:-/tmp/kvadrati-1.00}

[ -d "$old" ] || git worktree add --detach "$old" 53b4b82 >/dev/null
# 1.00 gets the same measuring programs as this tree, with stand-ins for the headers it lacks:
# its output box is a plain QPlainTextEdit, and it installs no accessibility factories.
cp bench/window_views.cpp bench/first_click.cpp "$old/bench/"
echo '#include <QPlainTextEdit>' >"$old/bench/output_box.h"
echo 'inline void installAccessibleFactories() {}' >"$old/bench/accessible_factories.h"
if ! grep -q window_views "$old/bench/CMakeLists.txt"; then
    cat >>"$old/bench/CMakeLists.txt" <<'CMAKE'
add_executable(window_views window_views.cpp)
target_link_libraries(window_views PRIVATE kvadrati_events Qt6::Test)
add_executable(first_click first_click.cpp)
target_link_libraries(first_click PRIVATE kvadrati_events Qt6::Test)
CMAKE
fi
configure_build
(cd "$old" && configure_build)
for tree in . "$old"; do
    cmake --build "$tree/build" -j2 --target window_views first_click >/dev/null
done

views=$(mktemp -d)
run_x() { xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" dbus-run-session -- "$@" 2>/dev/null; }
run_x "$old/build/bench/window_views" "$views/1.00"
run_x build/bench/window_views "$views/now"

# The inside of the output box in a screenshot, rows moved down by SHIFT pixels.
inside_output() { convert "$1" -crop "388x104+12+$((124 + $2))" +repage "$3"; }

# How two screenshots differ: in how many pixels, within which rectangle, and whether the text
# of the output box is the same one pixel higher or lower.
describe() {
    local pixels area shift
    pixels=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    area=$(compare "$1" "$2" -compose src -highlight-color white -lowlight-color black png:- \
        2>/dev/null | convert - -trim -format '%wx%h%O' info:)
    echo -n "$pixels pixels within $area"
    inside_output "$1" 0 "$views/reference.png"
    for shift in 1 -1; do
        inside_output "$2" "$shift" "$views/shifted.png"
        if [ "$(compare -metric AE "$views/reference.png" "$views/shifted.png" null: 2>&1)" = 0 ]; then
            echo -n "; the same with the output's text $((shift < 0 ? -shift : shift)) px $(
                [ "$shift" -gt 0 ] && echo higher || echo lower)"
        fi
    done
    echo
}

differences=0 shifted=0 compared=0
for reference in "$views"/1.00/*; do
    name=$(basename "$reference") current="$views/now/$name"
    compared=$((compared + 1))
    if [ ! -f "$current" ]; then
        echo "missing: $name"
    elif [[ $name == *.png ]]; then
        [ "$(compare -metric AE "$reference" "$current" null: 2>&1 || true)" = 0 ] && continue
        description=$(describe "$reference" "$current")
        echo "pixels: $name: $description"
        [[ $description == *"px higher"* || $description == *"px lower"* ]] &&
            shifted=$((shifted + 1)) && continue
    else
        cmp -s "$reference" "$current" && continue
        echo "text: $name differs: $(cmp "$reference" "$current" 2>&1 | head -n 1)"
    fi
    differences=$((differences + 1))
done
echo "compared $compared screenshots and texts: $differences differences, and $shifted views whose" \
    "only difference is the output's text one pixel higher or lower (files in $views)"

echo
bench/click_figures.sh "$old/build/bench/first_click" build/bench/first_click | tee "$views/figures"
echo "ratios, 1.00 / now (above 1 is better now):"
join <(sed -n 3,5p "$views/figures") <(sed -n 8,10p "$views/figures") |
    awk '{ printf "N = %s: first click %.1fx, steady click %.1fx, peak memory %.1f MiB less\n",
           $1, $2 / $5, $3 / $6, $4 - $7 }'
[ "$differences" -eq 0 ]
