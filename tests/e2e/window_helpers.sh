# SPDX-License-Identifier: MIT
# What the tests that drive a real window share: failures counted, waiting, and clicks, copies
# and screenshots in the window's own coordinates (X, Y: where its inside starts on the screen;
# wid: its X window). Sourced by window_test.sh and ../windows/installed_window_test.sh.
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Retries a command for up to five seconds.
wait_for() {
    local deadline=$((SECONDS + 5))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

click_at() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
shot() { import -window "$wid" "$1.png"; }
colour_at() { # IMAGE X Y -> r,g,b
    convert "$1.png" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}
colours_in() { convert "$1.png" -crop "$2" +repage -format %k info:; } # IMAGE WxH+X+Y
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" == "$1" ]; }
# Clicks into a box, selects all and copies; then waits for the clipboard to hold EXPECTED.
expect_copy() { # X Y EXPECTED WHAT
    printf 'nothing copied' | xclip -i -selection clipboard >/dev/null 2>&1
    click_at "$1" "$2"
    xdotool key ctrl+a ctrl+c
    wait_for clipboard_is "$3" ||
        fail "$4: copied '$(xclip -o -selection clipboard 2>/dev/null | head -c 200)'"
}
replace_input() { click_at 60 72; xdotool key ctrl+a; xdotool type --delay 30 "$1"; }
enter() { click_at 148 76; }
clear_all() { click_at 380 76; }

# After "Чисти": the input, the output and the list are empty.
expect_all_empty() {
    local regions=("65x25+28+60:input" "400x100+12+124:output" "110x52+212+60:list") region
    all_empty() {
        shot cleared || return 1
        for region in "${regions[@]}"; do
            [ "$(colours_in cleared "${region%%:*}")" = 1 ] || return 1
        done
    }
    wait_for all_empty && return
    for region in "${regions[@]}"; do
        [ "$(colours_in cleared "${region%%:*}")" = 1 ] || fail "the ${region##*:} box is not empty"
    done
}

input=(60 72) output=(200 170)
five=$'5*5 = 1 + ...+ 9\n25 = 1 + 3 + 5 + 7 + 9'
