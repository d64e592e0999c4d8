#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program with Qt's accessibility bridge on, as when a screen reader runs, and checks it
# with an AT-SPI client. The session bus starts the accessibility bus and its registry on demand.
# The program must print nothing meanwhile: a screen reader's user would not see it.
# Usage: accessibility_test.sh PROGRAM CHECK_SCRIPT PLAIN_TEXT_BOX
# (run under xvfb-run and dbus-run-session)
set -uo pipefail
program=$1 check=$2 plain_text_box=$3

# As a desktop session gives them: without a runtime folder Qt says it makes one, and from 6.8
# without a UTF-8 locale it says it switches to one.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR LC_ALL=C.UTF-8
errors=$XDG_RUNTIME_DIR/stderr
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$errors" &
pid=$!
trap 'kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
# Debian's Python, which python3-gi and the AT-SPI bindings belong to.
/usr/bin/python3 "$check" "$plain_text_box"
status=$?
# All but the note Qt 6.8's bridge prints at each listener a screen reader registers, of an event
# it never sends: Orca 48 listens for windows being destroyed.
printed=$(grep -vxF 'qt.accessibility.atspi: Subscription string not handled: "Window:Destroy:"' \
    "$errors")
if [ -n "$printed" ]; then
    echo "FAIL: the program printed on stderr:"
    sort <<<"$printed" | uniq -c | head -n 20
    status=1
fi
exit $status
