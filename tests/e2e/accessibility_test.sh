#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the program with Qt's accessibility bridge on, as when a screen reader runs, and checks it
# with an AT-SPI client. The session bus starts the accessibility bus and its registry on demand.
# Usage: accessibility_test.sh PROGRAM CHECK_SCRIPT PLAIN_TEXT_BOX
# (run under xvfb-run and dbus-run-session)
set -uo pipefail
program=$1 check=$2 plain_text_box=$3

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
# Debian's Python, which python3-gi and the AT-SPI bindings belong to.
/usr/bin/python3 "$check" "$plain_text_box"
