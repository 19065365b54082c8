#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# On a Wayland session the program is a native Wayland client: its window
# asks the compositor for its fixed size, its caption and the desktop id
# that names its icon. Qt's own messages, left out while it connects, reach
# the terminal once the window is up.
set -u
log=$(mktemp)
trap 'kill $!; rm -f "$log"' EXIT
env -u DISPLAY -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland WAYLAND_DEBUG=1 QT_LOGGING_RULES='qt.qpa.*=true' \
    "$1" >"$log" 2>&1 &
for _ in $(seq 100); do grep -q set_app_id "$log" && break; sleep 0.1; done
# libwayland writes the window's object as xdg_toplevel@20 before 1.23 and
# as xdg_toplevel#20 from then on; Qt 6.8 goes on to send its own frame's
# size, after the client's.
for expected in 'set_min_size(249, 183)' 'set_max_size(249, 183)' 'set_title("MorvaneCalc by QQ7NV")' \
    'set_app_id("example.qq7nv.MorvaneCalc")'; do
    grep -E 'xdg_toplevel[@#][0-9]' "$log" | grep -qF "$expected" || { tail -n 20 "$log"; echo "missing: $expected"; exit 1; }
done
grep -q '^qt\.qpa' "$log" || { echo "no message of Qt's reached the terminal"; exit 1; }
