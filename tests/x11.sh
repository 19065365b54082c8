#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Runs a command on an X server of its own (Xvfb), under a window manager
# (openbox) that gives a new window the focus, as a desktop does.
#   x11.sh COMMAND...
set -u
dir=$(mktemp -d)
wm=""
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $wm 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
done
DISPLAY=:$(cat "$dir/display")
export DISPLAY
openbox --startup "touch $dir/ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    [ -e "$dir/ready" ] && break
    sleep 0.1
done
[ -e "$dir/ready" ] || { echo "no X server or window manager came up"; exit 1; }
"$@"
