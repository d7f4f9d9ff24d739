#!/usr/bin/env bash
# Builds the libFuzzer targets (build/fuzz, clang) and runs each from its seed
# corpus in tests/fuzz/corpus/<name> (copied, so the seeds in git stay small).
#   scripts/fuzz.sh [SECONDS]          each target for SECONDS (default 60)
#   FUZZ_RUNS=N scripts/fuzz.sh        each target for N executions instead
#   FUZZ_TARGETS="cmdline perfdata"    only these targets
#   FUZZ_TIMEOUT=S                     seconds one input may take (default 10;
#                                      more on a loaded machine)
#   FUZZ_WORK=DIR                      corpora, logs and findings there
#                                      (default build/fuzz; for long campaigns)
# Prints one line per target: executions, time, findings (crash, leak or
# timeout inputs, kept under build/fuzz/findings/<name>). Exits 1 on any finding.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
jobs=${BRANTELLE_JOBS:-$(nproc)}
out=build/fuzz
targets=${FUZZ_TARGETS:-$(cd tests/fuzz && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')}

CC=clang CXX=clang++ cmake -S . -B $out -DBRANTELLE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
for t in $targets; do
  cmake --build $out --target "fuzz_$t" -j"$jobs" >$out/build-$t.log 2>&1 || { cat $out/build-$t.log; exit 1; }
done

status=0
for t in $targets; do
  runs_dir=${FUZZ_WORK:-$out}
  work=$runs_dir/work/$t findings=$runs_dir/findings/$t log=$runs_dir/run-$t.log
  rm -rf "$work" "$findings"; mkdir -p "$work" "$findings"
  [ -d tests/fuzz/corpus/$t ] && cp tests/fuzz/corpus/$t/* "$work"/
  opts=(-max_len=4096 -timeout=${FUZZ_TIMEOUT:-10} -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f tests/fuzz/$t.dict ] && opts+=(-dict=tests/fuzz/$t.dict)
  # A target's own flags (the ones that keep a started program between inputs
  # turn off the leak check after each input: the program's state changes).
  [ -f tests/fuzz/$t.options ] && opts+=($(cat tests/fuzz/$t.options))
  if [ -n "${FUZZ_RUNS:-}" ]; then opts+=(-runs="$FUZZ_RUNS"); else opts+=(-max_total_time="$seconds"); fi
  ASAN_OPTIONS=detect_leaks=1 $out/fuzz_$t "${opts[@]}" "$work" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  found=$(find "$findings" -type f | wc -l)
  [ $rc -ne 0 ] && [ "$found" -eq 0 ] && found=1  # failed without leaving an input
  echo "fuzz $t: ${runs:-0} executions in ${secs:-?} s, $found findings"
  if [ "$found" -ne 0 ]; then status=1; tail -40 "$log"; fi
done
exit $status
