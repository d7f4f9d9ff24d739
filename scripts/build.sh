#!/usr/bin/env bash
# Builds the native tree (portable core + unit tests) and both Windows trees:
# build/win32 (i686, the product for 32-bit Windows) and build/win64 (x86_64),
# each with Brantelle.exe, the integration tests, the probe and the benchmarks.
# Runs no tests. BRANTELLE_JOBS sets the parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${BRANTELLE_JOBS:-$(nproc)}
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
for target in i686:win32 x86_64:win64; do
  cmake -S . -B "build/${target#*:}" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-${target%:*}.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/${target#*:}" -j"$jobs"
done
