# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 QQ7NV
# Builds the web page's WebAssembly module on Debian with clang 19, wasi-libc
# and libc++ for wasm32:
#   cmake -S . -B build/web --toolchain cmake/wasm32-wasi.cmake
# CMake knows no WASI platform before 3.27; a bare one with static
# libraries and a .wasm suffix is all the module needs.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(triple wasm32-wasi)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_AR llvm-ar-19 CACHE FILEPATH "")
set(CMAKE_RANLIB llvm-ranlib-19 CACHE FILEPATH "")
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
# WebAssembly from WASI has no exceptions; nothing here throws one.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
