#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Builds the benchmarks in Release and prints their figures as a table, on
# the display there is or, without one, on Qt's headless platform.
# Needs libbenchmark-dev besides what the program needs.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMORVANE_BENCH=ON >/dev/null
cmake --build build/bench
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
build/bench/bench/morvanecalc_bench "$@"
