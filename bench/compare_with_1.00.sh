#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Compares this tree with version 1.00 (commit 53b4b82), both built here in one run: the same
# screenshots, copies (plain and HTML) and accessible texts of the window
# (bench/window_views.cpp), every pixel or text difference listed, then the clicks and peak memory of both (bench/click_figures.sh)
# with their ratios. 1.00 is checked out with `git worktree add` into OLD_TREE.
# Usage: bench/compare_with_1.00.sh [OLD_TREE]   (default /tmp/kvadrati-1.00)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing xvfb xauth dbus imagemagick
old=${1:-/tmp/kvadrati-1.00}

[ -d "$old" ] || git worktree add --detach "$old" 53b4b82 >/dev/null
# 1.00 gets the same measuring programs as this tree.
cp bench/window_views.cpp bench/first_click.cpp "$old/bench/"
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

differences=0 compared=0
for reference in "$views"/1.00/*; do
    name=$(basename "$reference") current="$views/now/$name"
    compared=$((compared + 1))
    if [ ! -f "$current" ]; then
        echo "missing: $name"
    elif [[ $name == *.png ]]; then
        pixels=$(compare -metric AE "$reference" "$current" null: 2>&1 || true)
        [ "$pixels" = 0 ] && continue
        echo "pixels: $name differs in $pixels pixels"
    else
        cmp -s "$reference" "$current" && continue
        echo "text: $name differs: $(cmp "$reference" "$current" 2>&1 | head -n 1)"
    fi
    differences=$((differences + 1))
done
echo "compared $compared screenshots and texts: $differences differences (files in $views)"

echo
bench/click_figures.sh "$old/build/bench/first_click" build/bench/first_click | tee "$views/figures"
echo "ratios, 1.00 / now (above 1 is better now):"
join <(sed -n 3,5p "$views/figures") <(sed -n 8,10p "$views/figures") |
    awk '{ printf "N = %s: first click %.1fx, steady click %.1fx, peak memory %.1f MiB less\n",
           $1, $2 / $5, $3 / $6, $4 - $7 }'
[ "$differences" -eq 0 ]
