#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a command on a display of its own, which it ends again however the
# command ends: an Xvfb under openbox, which gives a new window the focus
# as a desktop does ("x11"), or a Weston drawing into an Xvfb ("wayland"),
# whose seat takes the keyboard and pointer from there, so that a window
# gets the focus and the clipboard works. Weston draws no frames, so Qt
# draws its own, as under GNOME. "bare" is the Xvfb alone, for wine.
#   display.sh x11|wayland|bare COMMAND...
set -u
kind=$1
shift
dir=$(mktemp -d)
servers=""
trap 'kill $servers 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 1' INT TERM
await() { # a file with something in it, or a socket
    for _ in $(seq 100); do { [ -s "$1" ] || [ -S "$1" ]; } && return 0; sleep 0.1; done
    echo "no $kind display came up" && exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 & servers=$!
await "$dir/display"
DISPLAY=:$(cat "$dir/display") && export DISPLAY
if [ "$kind" = x11 ]; then
    openbox --startup "sh -c 'echo up >$dir/ready'" >/dev/null 2>&1 & servers="$servers $!"
    await "$dir/ready"
elif [ "$kind" = wayland ]; then
    export XDG_RUNTIME_DIR="$dir" WAYLAND_DISPLAY=morvane-test
    weston --backend=x11-backend.so --socket=$WAYLAND_DISPLAY --idle-time=0 --width=800 --height=600 \
        </dev/null >/dev/null 2>&1 & servers="$servers $!"
    await "$dir/$WAYLAND_DISPLAY"
fi
"$@"
