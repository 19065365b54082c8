#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# MorvaneCalc.exe runs as it is on any Windows 10 or 11: it imports only
# DLLs that ship with Windows, and no compiler runtime beside it.
#   check_windows_imports.sh OBJDUMP MorvaneCalc.exe
set -eu
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: *//p' | tr 'A-Z' 'a-z' | sort)
[ -n "$imports" ] || { echo "no imports read from $2"; exit 1; }
status=0
for dll in $imports; do
    case "$dll" in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleacc.dll | oleaut32.dll | msvcrt.dll) ;;
        *) echo "imports $dll, which Windows does not ship"; status=1 ;;
    esac
done
echo "imports:" $imports
exit $status
