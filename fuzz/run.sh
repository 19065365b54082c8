#!/bin/sh
# Builds the frequency-text fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for the given number of seconds
# (60 by default) from the seed corpus. Needs clang-14 and libclang-rt-14-dev.
set -eu
seconds=${1:-60}
cd "$(dirname "$0")/.."

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMORVANE_WITH_WINDOW=OFF -DBUILD_TESTING=OFF -DMORVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz

# New finds go to the build folder; the seeds in the tree stay as they are.
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/calc_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    build/fuzz/corpus fuzz/corpus
