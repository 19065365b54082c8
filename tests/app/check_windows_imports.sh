#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# MorvaneCalc.exe runs as it is on any Windows 10 or 11: it imports only
# DLLs that ship with Windows, and no compiler runtime beside it.
#   check_windows_imports.sh OBJDUMP MorvaneCalc.exe
set -eu
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: *//p' | tr 'A-Z' 'a-z')
echo "imports:" $imports
others=$(echo "$imports" | grep -vx -e kernel32.dll -e user32.dll -e gdi32.dll -e comctl32.dll -e ole32.dll \
    -e oleacc.dll -e oleaut32.dll -e msvcrt.dll || true)
[ -n "$imports" ] && [ -z "$others" ] || { echo "no imports read, or some that Windows does not ship:" $others; exit 1; }
