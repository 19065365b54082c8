#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Without a display to reach, the program says so in one sentence and exits
# with 1: when none is set, and when DISPLAY or WAYLAND_DISPLAY names a server
# that is not there.
set -u
program=$1
expected="MorvaneCalc is a window and needs a graphical display, but could not reach one; on a machine \
without a display, start a virtual one (Xvfb :99 &) and run the program with DISPLAY=:99"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failed=0
check() {
    message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$@" "$program" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$message" != "$expected" ]; then
        printf 'with %s: exit status %s, said:\n%s\n' "$*" "$status" "$message"
        failed=1
    fi
}
check
check DISPLAY=:55
check XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=gone
check QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=gone
exit $failed
