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
"$weston" --backend=headless-backend.so --use-pixman --socket=$WAYLAND_DISPLAY --idle-time=0 \
    --log="$XDG_RUNTIME_DIR/weston.log" </dev/null >/dev/null 2>&1 &
compositor=$!
trap 'kill $compositor; rm -rf "$XDG_RUNTIME_DIR"' EXIT
tries=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] && kill -0 $compositor 2>/dev/null || { cat "$XDG_RUNTIME_DIR/weston.log"; exit 1; }
    sleep 0.1
done
"$@"
