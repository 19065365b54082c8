#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Without a display to reach, the program says so in one sentence and exits
# with 1: when none is set, and when DISPLAY or WAYLAND_DISPLAY names a server
# that is not there.
set -u
expected="MorvaneCalc is a window and needs a graphical display, but could not reach one; on a machine \
without a display, start a virtual one (Xvfb :99 &) and run the program with DISPLAY=:99"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
for display in "" DISPLAY=:55 "XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=gone" \
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=gone"; do
    # shellcheck disable=SC2086 # each setting is meant to split into words
    message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" $display "$1" 2>&1)
    status=$?
    [ $status -eq 1 ] && [ "$message" = "$expected" ] \
        || { printf 'with %s: status %s, said:\n%s\n' "$display" $status "$message"; exit 1; }
done
