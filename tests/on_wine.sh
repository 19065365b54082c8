#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a Windows program under wine, in a wine prefix of its own, gone again
# however it ends; its exit code is the program's. A command that is not a
# Windows program runs as it is, in that prefix. Under display.sh, on an X
# display of its own, CMake's emulator for the Windows build's tests:
#   display.sh bare sh on_wine.sh PROGRAM.exe|COMMAND ARGUMENTS...
set -u
dir=$(mktemp -d)
trap 'WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM
# No Mono or Gecko: their installers would ask with a dialog.
export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
case $1 in *.exe) wine "$@" ;; *) "$@" ;; esac
