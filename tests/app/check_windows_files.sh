#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# What Windows finds in the files a Windows user gets. MorvaneCalc.exe
# imports only DLLs that ship with Windows 10 and 11, and no compiler runtime
# beside it. It and its installer carry the icon at 16, 32, 48 and 256
# pixels, each its own version record, and a manifest that asks for no
# administrator rights. The portable zip holds that program as built, its
# licence and a text on what it is, and nothing else.
#   check_windows_files.sh OBJDUMP WINDRES CMAKE MorvaneCalc.exe SETUP.exe PORTABLE.zip
set -eu
objdump=$1 windres=$2 cmake=$3 program=$4 setup=$5
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
strings="CompanyName=QQ7NV
LegalCopyright=Copyright (C) 2026 QQ7NV. GPL-3.0-or-later."
for expected in "$program|InternalName=MorvaneCalc
FileDescription=Cut lengths of a coaxial-cable antenna for a band's centre frequency
OriginalFilename=MorvaneCalc.exe" "$setup|FileDescription=MorvaneCalc 1.00 Setup
OriginalFilename=MorvaneCalc-1.00-setup.exe"; do
    file=${expected%%|*}
    want=$(printf '%s\n' "FILE 1, 0, 0, 0" "PRODUCT 1, 0, 0, 0" "$strings" "${expected#*|}" "FileVersion=1.00" \
        "ProductName=MorvaneCalc" "ProductVersion=1.00" "icon 020" "icon 040" "icon 060" "icon 000" 1 | LC_ALL=C sort)
    got=$(record "$file" | LC_ALL=C sort)
    [ "$got" = "$want" ] || { printf '%s carries:\n%s\n' "$file" "$got"; exit 1; }
done
grep -q 'PerMonitorV2' "$program"
grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$program"

zip=$(realpath "$6")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && "$cmake" -E tar xf "$zip")
held=$(cd "$dir" && find . | LC_ALL=C sort | tr '\n' ' ')
[ "$held" = ". ./LICENSE.txt ./MorvaneCalc.exe ./README.txt " ] || { echo "the zip holds: $held"; exit 1; }
cmp "$program" "$dir/MorvaneCalc.exe"
grep -q "GNU GENERAL PUBLIC LICENSE" "$dir/LICENSE.txt"
grep -q "^MorvaneCalc 1.00 for 64-bit Windows" "$dir/README.txt"
