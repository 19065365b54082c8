#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a Windows program under wine, in a wine prefix and on an X display
# (Xvfb) of its own, both gone again however it ends; its exit code is the
# program's. CMake's emulator for the Windows build's tests; a command that is
# not a Windows program runs as it is, in that prefix and on that display:
#   on_wine.sh PROGRAM.exe|COMMAND ARGUMENTS...
set -u
dir=$(mktemp -d)
xvfb=""
trap 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; [ -z "$xvfb" ] || kill $xvfb; rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
[ -s "$dir/display" ] || { echo "no X display came up for wine"; exit 1; }
# No Mono or Gecko: their installers would ask with a dialog.
DISPLAY=:$(cat "$dir/display") WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" &&
    export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
wineboot --init >/dev/null 2>&1
case $1 in *.exe) wine "$@" ;; *) "$@" ;; esac
