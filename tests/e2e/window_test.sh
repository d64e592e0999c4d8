#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Drives the real program on an X server as a person would: keys and clicks with xdotool, the
# clipboard with xclip, colours from screenshots. Screenshots are left in the current folder.
# With a window manager named, it runs under that manager, which frames the window.
# Usage: window_test.sh PROGRAM CLOSE_WINDOW PROBLEM_STATEMENT_FILE [WINDOW_MANAGER]
#        (run under xvfb-run)
set -uo pipefail
export LC_ALL=C.UTF-8 # so that window titles and the clipboard read as UTF-8 on any machine
program=$1 close_window=$2 statement_file=$3 window_manager=${4:-}

source "$(dirname "$0")/window_helpers.sh"

if [ -n "$window_manager" ]; then
    "$window_manager" &
    wm_pid=$!
    trap 'kill "$wm_pid" 2>/dev/null' EXIT
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_for wm_running || { echo "FAIL: $window_manager did not start within 5 s"; exit 1; }
fi

"$program" &
pid=$!
trap 'kill "$pid" ${wm_pid:-} 2>/dev/null' EXIT

find_window() {
    wid=$(xdotool search --onlyvisible --class kvadrati 2>/dev/null | head -n 1)
    [ -n "$wid" ]
}
wait_for find_window || { echo "FAIL: no window within 5 s"; exit 1; }
# The inside of the window, where the program draws, and the frame around it, if any.
xwininfo_field() { xwininfo -id "$wid" | awk -F: -v field="$1" '$1 ~ field { print $2 + 0 }'; }
X=$(xwininfo_field "Absolute upper-left X") Y=$(xwininfo_field "Absolute upper-left Y")
WIDTH=$(xwininfo_field Width) HEIGHT=$(xwininfo_field Height)
read -r frame_left frame_right frame_top frame_bottom < <(
    xprop -id "$wid" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d , | grep . || echo 0 0 0 0)
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

statement=$(cat "$statement_file")

# --- At start -----------------------------------------------------------------------------------
title=$(xdotool getwindowname "$wid")
[[ $title == https://*"  Математика, математическа индукция" ]] || fail "window title '$title'"
[ "$WIDTH" = 442 ] && [ "$HEIGHT" = 236 ] || fail "client area ${WIDTH}x${HEIGHT}, not 442x236"
# The whole window, frame included, is centred.
whole_x=$((X - frame_left)) whole_y=$((Y - frame_top))
whole_width=$((WIDTH + frame_left + frame_right)) whole_height=$((HEIGHT + frame_top + frame_bottom))
off_x=$((whole_x - (screen_width - whole_width) / 2))
off_y=$((whole_y - (screen_height - whole_height) / 2))
((off_x * off_x <= 1 && off_y * off_y <= 1)) ||
    fail "the window with its frame $frame_left,$frame_right,$frame_top,$frame_bottom is off centre by ($off_x,$off_y)"

if [ -n "$window_manager" ]; then
    ((frame_top > 0)) || fail "$window_manager put no frame around the window"
    # The frame offers no maximizing or minimizing and cannot be resized. (Not every manager
    # honours the hint against minimizing; the one the tests use does.)
    allowed=$(xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS)
    for action in MAXIMIZE_HORZ MAXIMIZE_VERT MINIMIZE RESIZE; do
        [[ $allowed != *_NET_WM_ACTION_$action* ]] || fail "the frame allows $action"
    done
fi

painted() { shot start && [ "$(colour_at start 3 3)" = 128,128,255 ]; }
wait_for painted || fail "the window was not painted in its background colour"
for point in "3 3 128,128,255" "440 100 128,128,255" "200 118 128,128,255" \
    "30 20 255,192,128" "400 5 255,192,128" "27 35 255,192,128" "325 35 255,192,128" \
    "108 68 128,255,128" "188 84 128,255,128" "340 68 255,128,128" "420 84 255,128,128"; do
    read -r x y want <<<"$point"
    got=$(colour_at start "$x" "$y")
    [ "$got" = "$want" ] || fail "colour at $x,$y is $got, not $want"
done

# The focus starts in the input box: typing goes there without a click; the fourth is refused.
xdotool type --delay 30 1234
expect_copy "${input[@]}" 123 "four characters typed"
expect_copy "${output[@]}" "$statement" "the problem statement"

# Enter in the input box starts nothing.
replace_input 5
xdotool key Return KP_Enter Escape
expect_copy "${output[@]}" "$statement" "after Enter"

# The keyboard focus shows on a button and on the empty list.
pixels_differing() { compare -metric AE "$1.png[$3]" "$2.png[$3]" null: 2>&1; } # IMAGE1 IMAGE2 REGION
marked() { shot "$1" && (($(pixels_differing start "$1" "$2") > 0)); }
click_at 60 72
xdotool key Tab
wait_for marked focus-on-enter 89x25+104+64 || fail "Въведи shows no focus mark"
# Inside the mark the face keeps its colour.
[ "$(colour_at focus-on-enter 150 70)" = 128,255,128 ] || fail "the focus changed the face of Въведи"
xdotool key Tab Tab
wait_for marked focus-on-list 121x61+208+56 || fail "the empty list shows no focus mark"

# --- Calculations ------------------------------------------------------------------------------
replace_input 5
enter
# The first entries show in the list: the window as the student sees it, before any copying.
list_filled() { shot after-5 && [ "$(colours_in after-5 110x52+212+60)" != 1 ]; }
wait_for list_filled || fail "the list stayed empty after 5 and Въведи"
expect_copy "${output[@]}" "$five" "5 and Въведи"
replace_input a5
enter
expect_copy "${output[@]}" "Некоректни входни данни!" "a5"
replace_input 4e4
enter
expect_copy "${output[@]}" "Твърде голямо число! Най-голямото допустимо N е 32767." "4e4"

# --- Clearing -----------------------------------------------------------------------------------
replace_input 9
enter
clear_all
expect_all_empty

# --- The keyboard alone -------------------------------------------------------------------------
# Enter or Space on the focused "Въведи" presses it, once however long it is held: the list
# then holds the one entry for N = 2, and its second row stays empty. Enter presses it when it
# goes down, Space when it goes up.
for key in Return space; do
    replace_input 2
    xdotool key Tab
    xdotool keydown $key
    sleep 1.5 # held past the keyboard's auto-repeat delay
    shot held-$key
    if [ $key = Return ]; then
        [ "$(colours_in held-$key 100x15+212+60)" != 1 ] || fail "Return held on Въведи added no entry"
    else
        [ "$(colours_in held-$key 100x15+212+60)" = 1 ] || fail "space on Въведи pressed it while held"
    fi
    xdotool keyup $key
    expect_copy "${output[@]}" $'2*2 = 1 + ...+ 3\n4 = 1 + 3' "$key on Въведи"
    shot after-held-$key
    [ "$(colours_in after-held-$key 100x15+212+60)" != 1 ] || fail "$key on Въведи added no entry"
    [ "$(colours_in after-held-$key 100x15+212+80)" = 1 ] ||
        fail "holding $key on Въведи pressed it more than once"
    clear_all
done

# --- Labels do nothing --------------------------------------------------------------------------
replace_input 3
enter
three_shown() { shot before-labels && [ "$(colours_in before-labels 110x52+212+60)" != 1 ]; }
wait_for three_shown || fail "the list stayed empty after 3 and Въведи"
click_at 200 10
click_at 60 40
click_at 268 40
sleep 0.3 # anything a click changed would be painted by now
shot after-labels
[ "$(compare -metric AE before-labels.png after-labels.png null: 2>&1)" = 0 ] ||
    fail "clicking the labels changed the window"

# --- Closing ends the program with status 0 ----------------------------------------------------
if [ -n "$window_manager" ]; then
    xdotool key alt+F4 # the manager's own key for closing
else
    "$close_window" "$wid" # as a window manager does, with WM_DELETE_WINDOW
fi
exited() { ! kill -0 "$pid" 2>/dev/null; }
if wait_for exited; then
    wait "$pid"
    status=$?
    [ "$status" = 0 ] || fail "the program ended with status $status"
else
    fail "the program did not end within 5 s of WM_DELETE_WINDOW"
fi

echo "window test: $failures failure(s)"
[ "$failures" = 0 ]
