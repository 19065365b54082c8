#!/bin/sh
# Builds the benchmarks in Release and prints their figures as a table.
# Needs libbenchmark-dev besides what the program needs.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMORVANE_BENCH=ON >/dev/null
cmake --build build/bench
build/bench/bench/morvanecalc_bench "$@"
