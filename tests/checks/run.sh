#!/usr/bin/env bash
# The instruction check on images made for it: a 386 one passes, and one with
# a Pentium Pro instruction and an unguarded CPUID fails, naming both
# functions. Prints "checks: N passed, M failed".
set -u
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cxx=${CXX_I686:-i686-w64-mingw32-g++-win32}
passed=0 failed=0
check() {  # name, condition (0 = true)
  if [ "$2" -eq 0 ]; then passed=$((passed + 1)); echo "  ok   $1"; else failed=$((failed + 1)); echo "  FAIL $1"; fi
}
build() {  # name, extra flags
  "$cxx" -O1 -march=i386 -Wa,-march=i586+387 -ffunction-sections -fno-asynchronous-unwind-tables $2 \
    -nostdlib -Wl,-e,_Start -Wl,-Map="$work/$1.map" tests/checks/Probe.cpp -lgcc -o "$work/$1.exe"
}
build good "" && scripts/check-instructions.sh "$work/good.exe" "$work/good.map" > "$work/good.out" 2>&1
check "a 386 image with its two probes passes" $?
grep -q 'probes: cpuid 1, rdtsc 1' "$work/good.out"; check "the probes are found and counted" $?
build bad "-DBAD -Wa,-march=i686+387" && ! scripts/check-instructions.sh "$work/bad.exe" "$work/bad.map" > "$work/bad.out" 2>&1
check "an image with later instructions fails" $?
grep -q 'Larger(int, int).*cmovl' "$work/bad.out"; check "the conditional move is named with its function" $?
grep -q 'Unguarded().*cpuid.*outside its probe' "$work/bad.out"; check "CPUID outside the probes is named with its function" $?
[ "$(grep -c 'not a 386\|outside its probe' "$work/bad.out")" -eq 2 ]; check "nothing else is reported" $?
echo "checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
