#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# The installer as users and administrators run it, in a wine prefix of its
# own (on_wine.sh): a silent install; the program, its Start-menu shortcut
# and its entry in the list of installed apps where they belong; the
# installed program at work, with neither an install nor an uninstall while
# it runs; an install over the first; and a silent uninstall that leaves
# nothing of it.
#   display.sh bare sh on_wine.sh sh check_installer.sh SETUP.exe window_tests.exe
set -eu
setup=$(winepath -w "$1")
windows() { wine cmd /c echo "$1" | tr -d '\r"'; } # echo keeps the quotes around a space
folder=$(windows '%LOCALAPPDATA%\Programs\MorvaneCalc')
programs=$(winepath -u "$(windows '%APPDATA%\Microsoft\Windows\Start Menu\Programs')")
entries='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The files in the folder, the Start menu's shortcuts to the program, and
# every entry in the list of installed apps (|key name=value ...).
# shellcheck disable=SC2046 # the names are meant to split into words
installed() {
    echo "files:" $(ls "$(winepath -u "$folder")" 2>/dev/null || echo "(no folder)")
    echo "shortcuts:" $(cd "$programs" && grep -laF "$folder\\MorvaneCalc.exe" -- *.lnk 2>/dev/null)
    printf '%s\n' "entries:$(wine reg query "$entries" /s 2>/dev/null | tr -d '\r' |
        sed -n 's/^HKEY.*\\/ |/p; s/^ *\([A-Za-z]*\) *REG_[A-Z]* *\(.*\)/ \1=\2/p' | tr -d '\n')"
}
check() { now=$(installed) && [ "$now" = "$2" ] || { printf '%s, and then:\n%s\n' "$1" "$now"; exit 1; }; } # DONE EXPECTED

wine "$setup" /S
kib=$(printf '0x%x' $(($(cat "$(winepath -u "$folder")"/* | wc -c) / 1024))) # of the folder
everything="files: LICENSE.txt MorvaneCalc.exe Uninstall.exe
shortcuts: MorvaneCalc.lnk
entries: |MorvaneCalc DisplayIcon=$folder\MorvaneCalc.exe,0 DisplayName=MorvaneCalc DisplayVersion=1.00 \
EstimatedSize=$kib InstallLocation=$folder NoModify=0x1 NoRepair=0x1 Publisher=QQ7NV \
QuietUninstallString=\"$folder\Uninstall.exe\" /S UninstallString=\"$folder\Uninstall.exe\""
check "installed" "$everything"
# Each run silently and not; the uninstaller run where it is (_?=) gives its exit code.
wine "$2" --gtest_filter="MorvaneCalcExe.*" "$folder\MorvaneCalc.exe" "\"$setup\"" "\"$setup\" /S" \
    "\"$folder\Uninstall.exe\" _?=$folder" "\"$folder\Uninstall.exe\" /S _?=$folder"
check "installed and uninstalled while the program ran" "$everything"
wine "$setup" /S
check "installed over itself" "$everything"

wine "$(winepath -u "$folder")/Uninstall.exe" /S
# It hands its work to a copy of itself and returns; the copy removes the
# entry last. A minute at most.
timeout 60 sh -c 'while wine reg query "$0" >/dev/null 2>&1; do sleep 0.3; done' "$entries\\MorvaneCalc" || true
check "uninstalled" "files: (no folder)
shortcuts:
entries:"
