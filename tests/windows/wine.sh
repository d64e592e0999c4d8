#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in a prefix of its own, which it makes on first use: Times
# New Roman, which Wine lacks, drawn with Liberation Serif, and with the null graphics driver
# no X server needed (x11 for a real window). Without a program it only makes the prefix.
#
# Every program in the prefix runs under one wine server, started here before the first of them
# and kept up until `wine.sh PREFIX stop`, which ends it and all it still runs. A server left to
# end by itself does so a few seconds after its last program, and a program that connects while
# it is ending fails with "recvmsg: Connection reset by peer".
# Usage: wine.sh PREFIX null|x11 [PROGRAM [ARGUMENTS...]]
#        wine.sh PREFIX stop
set -euo pipefail
prefix=$1 driver=$2
shift 2
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
mkdir -p "$(dirname "$prefix")"
# Wine's commands here must not hold the caller's output open, or ctest and ninja would wait
# for the server and Wine's own background processes (started by wineboot) to end; nor the
# lock, which they would keep for as long as they run.
quietly() { "$@" </dev/null >/dev/null 2>&1 9>&-; }
(
    flock 9
    if [ "$driver" = stop ]; then
        [ ! -d "$prefix" ] || quietly wineserver -k || true
        exit
    fi
    if [ ! -f "$prefix/.made" ]; then
        # A half-made prefix from an interrupted run, with its server if one is left.
        [ ! -d "$prefix" ] || quietly wineserver -k || true
        rm -rf "$prefix"
        mkdir "$prefix"
    fi
    status=0
    quietly wineserver --persistent || status=$?
    boot=(wineboot)
    [ -f "$prefix/.made" ] || boot+=(-i)
    case $status in
    0) quietly wine "${boot[@]}" ;;
    2) ;; # already running
    *) echo "wine.sh: wineserver could not start in $prefix" >&2; exit 1 ;;
    esac
    if [ ! -f "$prefix/.made" ]; then
        quietly wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
            /d 'Liberation Serif' /f
        [ "$driver" = x11 ] ||
            quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$driver" /f
        touch "$prefix/.made"
    fi
) 9>"$prefix.lock"
[ "$driver" = stop ] || [ $# -eq 0 ] || exec wine "$@"
