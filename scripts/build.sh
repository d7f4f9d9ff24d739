#!/usr/bin/env bash
# Builds the native tree (portable core + unit tests) and both Windows trees:
# build/win32 (i686, the product for 32-bit Windows) and build/win64 (x86_64),
# each with Brantelle.exe, the integration tests, the probe and the benchmarks
# (the i686 tree only Brantelle.exe and the probe where 32-bit programs cannot
# run natively: the emulated smoke group runs those two).
# Runs no tests. BRANTELLE_JOBS sets the parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${BRANTELLE_JOBS:-$(nproc)}
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The tests only; the native benchmarks are built without the sanitizers
# (see the README).
cmake --build build/native -j"$jobs" --target unit_tests soak
# Where 32-bit programs cannot run, the i686 tree's tests would never run
# either: build only the product there (it still compiles every source).
win32_only=()
scripts/can-run-32bit.sh || win32_only=(--target Brantelle --target probe)
for target in i686:win32 x86_64:win64; do
  cmake -S . -B "build/${target#*:}" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-${target%:*}.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  only=(); [ "${target#*:}" = win32 ] && only=("${win32_only[@]}")
  cmake --build "build/${target#*:}" -j"$jobs" "${only[@]}"
done
