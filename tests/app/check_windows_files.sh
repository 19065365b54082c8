#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# What Windows finds in the files a Windows user gets. MorvaneCalc.exe
# imports only DLLs that ship with Windows 10 and 11, and no compiler runtime
# beside it. It and its installer carry the icon at 16, 32, 48 and 256
# pixels, each its own version record, and a manifest that asks for no
# administrator rights. The portable zip holds that program as built, its
# licence and a text on what it is, and nothing else. The program is at most
# MOST bytes (0: any size).
#   check_windows_files.sh OBJDUMP WINDRES CMAKE MorvaneCalc.exe SETUP.exe PORTABLE.zip MOST
set -eu
objdump=$1 windres=$2 cmake=$3 program=$4 setup=$5 most=$7
[ "$most" = 0 ] || [ "$(wc -c <"$program")" -le "$most" ] || { echo "$program is more than $most bytes"; exit 1; }
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: *//p' | tr 'A-Z' 'a-z')
others=$(echo "$imports" | grep -vx -e kernel32.dll -e user32.dll -e gdi32.dll -e comctl32.dll -e ole32.dll \
    -e oleacc.dll -e oleaut32.dll -e msvcrt.dll || true)
[ -n "$imports" ] && [ -z "$others" ] || { echo "no imports read, or some that Windows does not ship:" $others; exit 1; }

# The fixed versions, the strings of the version record and each icon's
# width (in octal, 0 for 256), as the resource compiler reads them back.
record() {
    "$windres" -i "$1" -O rc | sed -n 's/^ *\(FILE\|PRODUCT\)VERSION \(.*\)/\1 \2/p; s/^ *VALUE "\(.*\)", "\(.*\)"$/\1=\2/p
        s/^ *"\\\([0-7]*\)\\[0-7]*\\000\\000",.*Element no.*/icon \1/p'
    grep -c 'level="asInvoker"' "$1"
}
common="FILE 1, 0, 0, 0|PRODUCT 1, 0, 0, 0|CompanyName=QQ7NV|FileVersion=1.00|ProductName=MorvaneCalc|ProductVersion=1.00
LegalCopyright=Copyright (C) 2026 QQ7NV. GPL-3.0-or-later.|icon 020|icon 040|icon 060|icon 000|1"
for file in "$program|InternalName=MorvaneCalc|OriginalFilename=MorvaneCalc.exe|FileDescription=Cut lengths of a \
coaxial-cable antenna for a band's centre frequency" "$setup|OriginalFilename=MorvaneCalc-1.00-setup.exe|\
FileDescription=MorvaneCalc 1.00 Setup"; do
    got=$(record "${file%%|*}" | LC_ALL=C sort)
    [ "$got" = "$(echo "${file#*|}|$common" | tr '|' '\n' | LC_ALL=C sort)" ] || { printf '%s\n' "$file:" "$got"; exit 1; }
done
for part in PerMonitorV2 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do grep -q "$part" "$program"; done

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$cmake" -E chdir "$dir" "$cmake" -E tar xf "$(realpath "$6")"
[ "$(ls "$dir" | tr '\n' ' ')" = "LICENSE.txt MorvaneCalc.exe README.txt " ] || { echo "the zip holds:" "$dir"/*; exit 1; }
cmp "$program" "$dir/MorvaneCalc.exe"
