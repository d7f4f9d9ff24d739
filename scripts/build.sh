#!/usr/bin/env bash
# Builds the native tree (portable core + unit tests) and the Win32 tree
# (Brantelle.exe, integration tests, probe, benchmarks). Runs no tests.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$jobs"
