#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Starts or stops a headless Weston for the Wayland run of the window tests:
#   weston.sh WESTON RUNTIME_DIR start|stop
# Its socket "morvane-test" and its pid are in RUNTIME_DIR.
set -eu
weston=$1
runtime=$2
pidfile=$runtime/weston.pid

stop() {
    [ -f "$pidfile" ] || return 0
    kill "$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile"
}

case $3 in
    start)
        stop
        mkdir -p "$runtime"
        chmod 700 "$runtime"
        XDG_RUNTIME_DIR=$runtime "$weston" --backend=headless-backend.so --use-pixman --socket=morvane-test \
            --idle-time=0 --log="$runtime/weston.log" </dev/null >/dev/null 2>&1 &
        echo $! >"$pidfile"
        tries=0
        until [ -S "$runtime/morvane-test" ]; do
            tries=$((tries + 1))
            if [ $tries -gt 100 ] || ! kill -0 "$(cat "$pidfile")" 2>/dev/null; then
                cat "$runtime/weston.log" 2>/dev/null
                echo "weston did not come up"
                exit 1
            fi
            sleep 0.1
        done
        echo "weston is listening on $runtime/morvane-test"
        ;;
    stop) stop ;;
esac
