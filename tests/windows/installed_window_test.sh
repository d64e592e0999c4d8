#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer under Wine, as a user gets it: installs it silently in a fresh prefix,
# starts the installed program and drives its window as a person would (keys and clicks with
# xdotool, the clipboard with xclip), then uninstalls it silently and checks nothing is left.
# Screenshots are left in the current folder; the context menu's is for looking at.
# Usage: installed_window_test.sh INSTALLER PROBLEM_STATEMENT_FILE   (run under xvfb-run)
set -uo pipefail
export LC_ALL=C.UTF-8 # so that window titles and the clipboard read as UTF-8 on any machine
installer=$1 statement_file=$2
source "$(dirname "$0")/../e2e/window_helpers.sh"
wine_sh=$(dirname "$0")/wine.sh
wine_in_prefix() { "$wine_sh" "$PWD/prefix" x11 "$@"; }
trap '"$wine_sh" "$PWD/prefix" stop; rm -rf "$PWD/prefix"' EXIT

rm -rf prefix prefix.lock
started=$SECONDS
wine_in_prefix
echo "fresh Wine prefix made in $((SECONDS - started)) s"

# --- Silent install ----------------------------------------------------------------------------
folder=$PWD/prefix/drive_c/Program\ Files/Kvadrati
started=$SECONDS
wine_in_prefix "$installer" /S || fail "the installer ended with an error"
echo "silent install in $((SECONDS - started)) s"
for file in kvadrati.exe README.md LICENSE.txt Qt-NOTICE.txt Qt-LICENSES/LGPL-3.0-only.txt \
    Qt-LICENSES/GPL-3.0-only.txt Qt-LICENSES/qt6-base-copyright.txt Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the installation lacks $file"
done
start_menu_entry=$(find prefix/drive_c -path '*Start Menu/Programs/Kvadrati/Kvadrati.lnk')
[ -n "$start_menu_entry" ] || fail "no Start-menu entry"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kvadrati'
registered() { wine_in_prefix reg query "$1" >/dev/null 2>&1; }
registered "$uninstall_key" || fail "not listed among the installed programs"

# --- The installed program's window -------------------------------------------------------------
started_ns=$(date +%s%N)
wine_in_prefix 'C:\Program Files\Kvadrati\kvadrati.exe' &
pid=$!
find_window() {
    wid=$(xdotool search --onlyvisible --name 'Математика, математическа индукция' 2>/dev/null |
        head -n 1)
    [ -n "$wid" ]
}
# Wine starts slowly the first time in a prefix.
wait_for_long() { local i; for i in {1..6}; do wait_for "$@" && return; done; return 1; }
wait_for_long find_window || { echo "FAIL: no window within 30 s"; exit 1; }
echo "window shown $((($(date +%s%N) - started_ns) / 1000000)) ms after starting wine"
eval "$(xdotool getwindowgeometry --shell "$wid" | sed 's/^WINDOW=.*//')"
[ "$WIDTH" = 442 ] && [ "$HEIGHT" = 236 ] || fail "client area ${WIDTH}x${HEIGHT}, not 442x236"
# Wine with no window manager puts the inside where Windows would. Centred with its frame, it
# is centred across and lower than the middle by half of the caption's extra height.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
off_x=$((X - (screen_width - WIDTH) / 2)) off_y=$((Y - (screen_height - HEIGHT) / 2))
((off_x * off_x <= 1 && off_y >= 5 && off_y <= 20)) ||
    fail "the inside is off the centre by ($off_x,$off_y), not (0,5..20) as with its frame"
painted() { shot start && [ "$(colour_at start 3 3)" = 128,128,255 ]; }
wait_for painted || fail "the window was not painted in its background colour"

statement=$(cat "$statement_file")
expect_copy "${output[@]}" "$statement" "the problem statement"
replace_input 5
enter
expect_copy "${output[@]}" "$five" "5 and Въведи"
replace_input a5
enter
expect_copy "${output[@]}" "Некоректни входни данни!" "a5"
replace_input 4e4
enter
expect_copy "${output[@]}" "Твърде голямо число! Най-голямото допустимо N е 32767." "4e4"
replace_input 3e4
enter
expect_copy "${output[@]}" "30000*30000 = 1 + ...+ 59999"$'\n'"900000000 = $(seq -s ' + ' 1 2 59999)" "3e4"
clear_all
expect_all_empty

# The output box's context menu, in Bulgarian: a window of its own, left as a screenshot.
replace_input 5
enter
xdotool mousemove $((X + output[0])) $((Y + output[1])) click 3
menu_shown() { [ "$(xdotool search --onlyvisible --name '' 2>/dev/null | grep -vxc "$wid")" -gt 0 ]; }
wait_for menu_shown || fail "no context menu"
sleep 0.3
import -window root context-menu.png
xdotool key Escape

# --- Closing, then the silent uninstall --------------------------------------------------------
xdotool key alt+F4
exited() { ! kill -0 "$pid" 2>/dev/null; }
if wait_for exited; then
    wait "$pid" || fail "the program ended with status $?"
else
    fail "the program did not end within 5 s of Alt+F4"
fi
started=$SECONDS
wine_in_prefix 'C:\Program Files\Kvadrati\Uninstall.exe' /S || fail "the uninstaller ended with an error"
# The uninstaller runs on from a copy of itself in the temporary folder, so that it can delete
# itself: its work is waited for.
removed() {
    [ ! -e "$folder" ] && [ -z "$(find prefix/drive_c -path '*Start Menu/Programs/Kvadrati*')" ] &&
        ! registered "$uninstall_key" && ! registered 'HKLM\Software\Kvadrati developers'
}
if wait_for_long removed; then
    echo "silent uninstall in $((SECONDS - started)) s"
else
    [ ! -e "$folder" ] || fail "left behind: $(find "$folder" | head -n 5)"
    [ -z "$(find prefix/drive_c -path '*Start Menu/Programs/Kvadrati*')" ] || fail "the Start-menu entry is left"
    for key in "$uninstall_key" 'HKLM\Software\Kvadrati developers'; do
        ! registered "$key" || fail "the registry key $key is left"
    done
fi

echo "installed window test: $failures failure(s)"
[ "$failures" = 0 ]
