#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Builds the frequency-text fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for the given number of seconds
# (60 by default) from the seed corpus. Needs clang and libclang-rt-dev.
set -eu
seconds=${1:-60}
cd "$(dirname "$0")/.."

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVANE_WITH_WINDOW=OFF -DBUILD_TESTING=OFF -DMORVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz

# New finds go to the build folder; the seeds in the tree stay as they are.
# libFuzzer reports every find; the log keeps them, the screen gets the end
# (and more of it when something broke, with the crash-* file's name).
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/calc_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
    build/fuzz/corpus fuzz/corpus >build/fuzz/fuzz.log 2>&1 || { tail -n 60 build/fuzz/fuzz.log; exit 1; }
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::(number_of_executed_units|average_exec_per_sec)' build/fuzz/fuzz.log
