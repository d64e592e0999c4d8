#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in a prefix of its own, which it makes on first use: Times
# New Roman, which Wine lacks, drawn with Liberation Serif, and with the null graphics driver
# no X server needed (x11 for a real window). Without a program it only makes the prefix.
# Usage: wine.sh PREFIX null|x11 [PROGRAM [ARGUMENTS...]]
set -euo pipefail
prefix=$1 driver=$2
shift 2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/.made" ]; then
        rm -rf "$prefix"
        wine wineboot -i >/dev/null 2>&1
        wineserver -w
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f >/dev/null 2>&1
        [ "$driver" = x11 ] ||
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.made"
    fi
) 9>"$prefix.lock"
[ $# -eq 0 ] || exec wine "$@"
