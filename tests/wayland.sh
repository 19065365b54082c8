#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a command as a client of a headless Weston of its own, which has no
# seat: no keyboard focus and no clipboard. Weston's log goes to stderr, which
# CTest shows when the test fails; a client that finds no compositor fails.
#   wayland.sh WESTON COMMAND...
set -u
weston=$1
shift
XDG_RUNTIME_DIR=$(mktemp -d)
WAYLAND_DISPLAY=morvane-test
export XDG_RUNTIME_DIR WAYLAND_DISPLAY
"$weston" --backend=headless-backend.so --use-pixman --socket=$WAYLAND_DISPLAY --idle-time=0 </dev/null >&2 &
trap 'kill $!; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
"$@"
