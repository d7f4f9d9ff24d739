#!/usr/bin/env bash
# Whole-process figures of Brantelle.exe under Wine, each against the bare
# reference program (bench/win32/Bare.cpp), measured from outside by
# bench/win32/Meter.cpp. Needs a built Windows tree (scripts/build.sh).
#   scripts/bench-wine.sh [ROUNDS]     freeing, start-up, memory, idle cost
#   scripts/bench-wine.sh soak [SECS]  in the tray for SECS (default 600):
#                                      handles, GDI/USER objects, private bytes
# Runs in its own fresh prefix (build/bench-prefix-ARCH) so stored settings of
# other runs do not change the figures.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh || exit 1
export WINEPREFIX="$PWD/build/bench-prefix-$BRANTELLE_WINE_ARCH"
brantelle_display
brantelle_fresh_prefix
b=$BRANTELLE_BUILD
for f in Brantelle.exe bare.exe meter.exe; do
  [ -f "$b/$f" ] || { echo "bench: $b/$f is missing (scripts/build.sh)"; exit 1; }
done
exe=$(winepath -w "$b/Brantelle.exe") bare=$(winepath -w "$b/bare.exe")
meter() { wine "$b/meter.exe" "$@" 2>/dev/null | tr -d '\r'; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ms_of() { sed -n 's/^run: \([0-9]*\) ms.*/\1/p'; }
wineboot -i >/dev/null 2>&1; wineserver -w  # the prefix is warm before anything is timed

linux_figures() {
  echo "resident $(awk '/VmRSS/ {print $2}' /proc/"$1"/status) kB, $(ls /proc/"$1"/fd | wc -l) Linux file descriptors"
}
# watch SECONDS ARGS...: Brantelle left alone for SECONDS after 5 s of settling.
# Processor time and resident memory come from Linux (Wine does not keep the
# times of another process up to date); handles, GDI and USER objects and private bytes from
# the meter (this Wine answers 0 for the first three of another process).
watch() {
  local secs=$1; shift
  wine "$b/Brantelle.exe" "$@" >/dev/null 2>&1 &
  sleep 5
  local pid; pid=$(pgrep -n -f "^$b/Brantelle\\.exe")
  [ -n "$pid" ] || { echo "watch: Brantelle did not start"; return 1; }
  local t0 c0 t1 c1
  t0=$(date +%s.%N) c0=$(awk '{print $14 + $15}' /proc/"$pid"/stat)
  echo "watch start: $(meter figures Brantelle.exe | sed 's/^figures: //'), $(linux_figures "$pid")"
  sleep "$secs"
  t1=$(date +%s.%N) c1=$(awk '{print $14 + $15}' /proc/"$pid"/stat)
  echo "watch end:   $(meter figures Brantelle.exe | sed 's/^figures: //'), $(linux_figures "$pid")"
  awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
    'BEGIN { printf "watch: %.3f %% of one core over %.0f s\n", 100 * c / hz / (t1 - t0), t1 - t0 }'
  kill "$pid" 2>/dev/null; wineserver -k >/dev/null 2>&1; sleep 1
}

if [ "${1:-}" = soak ]; then
  secs=${2:-600}
  echo "bench: tray soak for $secs s ($BRANTELLE_WINE_ARCH build)"
  watch "$secs"
  wineserver -k >/dev/null 2>&1
  exit 0
fi

rounds=${1:-3}
echo "bench: $BRANTELLE_WINE_ARCH build, $rounds rounds, medians"

# Freeing as a whole process: the difference of a large and a one-block run
# takes out start and exit (the tray icon's removal waits ~2 s on Wine's shell).
declare -A t
for case in "B 1024:$exe /FREE 1024" "B 1:$exe /FREE 1" "R 1024:$bare free 1024" "R 1:$bare free 1" \
            "P 1024:$bare plain 1024" "P 1:$bare plain 1"; do
  name=${case%%:*} cmd=${case#*:}
  t[$name]=$(for _ in $(seq "$rounds"); do meter run $cmd | ms_of; done | median)
done
awk -v b1k="${t[B 1024]}" -v b1="${t[B 1]}" -v r1k="${t[R 1024]}" -v r1="${t[R 1]}" 'BEGIN {
  printf "freeing 1023 MB as a process: Brantelle %d ms, bare %d ms, ratio %.3f (goal <= 1.05)\n",
         b1k - b1, r1k - r1, (b1k - b1) / (r1k - r1) }'
awk -v p1k="${t[P 1024]}" -v p1="${t[P 1]}" -v r1k="${t[R 1024]}" -v r1="${t[R 1]}" 'BEGIN {
  printf "  (uncached blocks against plain ones in the bare program: %d ms against %d ms)\n", r1k - r1, p1k - p1 }'

# Start-up to the first display tick (the title then tells the free memory),
# and private memory two seconds later.
start_of() { sed -n 's/^start: window after \([0-9]*\) ms.*/\1/p'; }
priv_of() { sed -n 's/.*private \([0-9.]*\) MB.*/\1/p'; }
bs=() rs=() bp=() rp=()
for _ in $(seq "$rounds"); do
  # The pauses let the shell finish with the ended copy's tray icon first.
  o=$(meter start "RAM free" "$exe" /W); bs+=("$(echo "$o" | start_of)"); bp+=("$(echo "$o" | priv_of)"); sleep 3
  o=$(meter start "Bare window" "$bare"); rs+=("$(echo "$o" | start_of)"); rp+=("$(echo "$o" | priv_of)"); sleep 3
done
bsm=$(printf '%s\n' "${bs[@]}" | median) rsm=$(printf '%s\n' "${rs[@]}" | median)
bpm=$(printf '%s\n' "${bp[@]}" | median) rpm=$(printf '%s\n' "${rp[@]}" | median)
awk -v b="$bsm" -v r="$rsm" 'BEGIN { printf "start-up with /W: Brantelle %d ms, bare window %d ms, difference %.2f s (goal <= 0.3 s)\n", b, r, (b - r) / 1000 }'
awk -v b="$bpm" -v r="$rpm" 'BEGIN { printf "private memory: Brantelle %.2f MB, bare window %.2f MB, above it %.2f MB (goal <= 4 MB)\n", b, r, b - r }'

# Idle cost over 60 s: in the tray, and shown with its four gauges.
share_of() { sed -n 's/^watch: \([0-9.]*\) %.*/\1/p'; }
echo "idle in the tray: $(watch 60 | share_of) % of one core over 60 s (goal <= 0.2 %)"
echo "idle shown with four gauges: $(watch 60 /W | share_of) % of one core over 60 s (goal <= 0.5 %)"

for arch in win32 win64; do
  f=build/$arch/Brantelle.exe
  [ -f "$f" ] && echo "size: $f $(stat -c %s "$f") bytes (goal <= 1048576, no symbols: $(objdump -h "$f" 2>/dev/null | grep -c '\.debug') debug sections)"
done
wineserver -k >/dev/null 2>&1
