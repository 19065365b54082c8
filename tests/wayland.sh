#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a command as a client of a headless Weston of its own, which has no
# seat: no keyboard focus and no clipboard.
#   wayland.sh WESTON COMMAND...
set -u
weston=$1
shift
XDG_RUNTIME_DIR=$(mktemp -d)
WAYLAND_DISPLAY=morvane-test
export XDG_RUNTIME_DIR WAYLAND_DISPLAY
# Weston's helpers outlive it for a moment; on the test's own output they
# would keep CTest waiting for the end of it.
"$weston" --backend=headless-backend.so --use-pixman --socket=$WAYLAND_DISPLAY --idle-time=0 \
    --log="$XDG_RUNTIME_DIR/weston.log" </dev/null >/dev/null 2>&1 &
trap 'kill $!; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$XDG_RUNTIME_DIR/weston.log"; exit 1; }
"$@"
