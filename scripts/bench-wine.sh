#!/usr/bin/env bash
# Whole-process figures of Brantelle.exe under Wine, each against the bare
# reference program (bench/win32/Bare.cpp); start-up and memory are measured
# from inside Wine by bench/win32/Meter.cpp, processor time from Linux (Wine
# does not keep the times of another process). Needs a built Windows tree.
#   scripts/bench-wine.sh [ROUNDS]          everything below, ROUNDS each
#   scripts/bench-wine.sh free [ROUNDS]     freeing as a process (default 5)
#   scripts/bench-wine.sh start [ROUNDS]    start-up and private memory (default 7)
#   scripts/bench-wine.sh idle [ROUNDS]     idle processor share over 60 s against the
#                                           idle floor (bench/win32/Floor.cpp; default 3)
#   scripts/bench-wine.sh memory            where the private memory above the bare
#                                           window is, by mapping
#   scripts/bench-wine.sh size              the shipped executables
#   scripts/bench-wine.sh soak [SECS]       in the tray for SECS (default 600):
#                                           handles, GDI/USER objects, private bytes
# Every figure is the median of its rounds. Runs in its own fresh prefix
# (build/bench-prefix-ARCH, BENCH_PREFIX to choose) so stored settings of
# other runs do not change the figures.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh || exit 1
export WINEPREFIX="${BENCH_PREFIX:-$PWD/build/bench-prefix-$BRANTELLE_WINE_ARCH}"
brantelle_display
brantelle_fresh_prefix
b=$BRANTELLE_BUILD
for f in Brantelle.exe bare.exe floor.exe meter.exe; do
  [ -f "$b/$f" ] || { echo "bench: $b/$f is missing (scripts/build.sh)"; exit 1; }
done
bare=$(winepath -w "$b/bare.exe")
exe=$(winepath -w "$b/Brantelle.exe")
meter() { wine "$b/meter.exe" "$@" 2>/dev/null | tr -d '\r'; }
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
wineboot -i >/dev/null 2>&1; wineserver -w  # the prefix is warm before anything is timed
# One server for every run: a run that had to start its own would time that too.
wineserver -p

# Freeing as a whole process: the difference of a large and a one-block run
# takes out start and exit (the tray icon's removal waits ~2 s on Wine's shell).
# Wall time and the process's own processor time (user + system, from Linux).
bench_free() {
  local rounds=$1 name case out
  declare -A wall cpu
  local cases=("B1024|$b/Brantelle.exe /FREE 1024" "B1|$b/Brantelle.exe /FREE 1"
               "R1024|$b/bare.exe free 1024" "R1|$b/bare.exe free 1"
               "P1024|$b/bare.exe plain 1024" "P1|$b/bare.exe plain 1"
               "M1024|$b/bare.exe pump 1024" "M1|$b/bare.exe pump 1")
  local -A walls cpus
  # A window that stays open keeps Wine's desktop process (and its tray)
  # alive throughout: otherwise whichever case follows a bare one pays for
  # starting it again, and that lands in one side of a difference.
  wine "$b/bare.exe" >/dev/null 2>&1 &
  local keeper=$!
  sleep 3
  for _ in $(seq "$rounds"); do
    for case in "${cases[@]}"; do  # interleaved: a slow spell of the machine hits every case
      name=${case%%|*}
      out=$(mktemp)
      # shellcheck disable=SC2086
      /usr/bin/time -o "$out" -f '%e %U %S' wine ${case#*|} >/dev/null 2>&1
      walls[$name]+="$(awk '{print $1}' "$out") "
      cpus[$name]+="$(awk '{print $2 + $3}' "$out") "
      rm -f "$out"
      sleep 1
    done
  done
  kill "$keeper" 2>/dev/null; pkill -f "bare\.exe$" 2>/dev/null
  for name in B1024 B1 R1024 R1 P1024 P1 M1024 M1; do
    wall[$name]=$(printf '%s\n' ${walls[$name]} | median)
    cpu[$name]=$(printf '%s\n' ${cpus[$name]} | median)
  done
  awk -v b1k="${cpu[B1024]}" -v b1="${cpu[B1]}" -v r1k="${cpu[R1024]}" -v r1="${cpu[R1]}" \
      -v wb1k="${wall[B1024]}" -v wb1="${wall[B1]}" -v wr1k="${wall[R1024]}" -v wr1="${wall[R1]}" \
      -v n="$rounds" 'BEGIN {
    printf "freeing 1023 MB as a process (medians of %d): processor time Brantelle %.2f s, bare %.2f s, ratio %.3f (goal <= 1.05)\n",
           n, b1k - b1, r1k - r1, (b1k - b1) / (r1k - r1)
    printf "  wall time Brantelle %.2f s, bare %.2f s, ratio %.3f\n", wb1k - wb1, wr1k - wr1, (wb1k - wb1) / (wr1k - wr1) }'
  awk -v p1k="${cpu[P1024]}" -v p1="${cpu[P1]}" -v r1k="${cpu[R1024]}" -v r1="${cpu[R1]}" 'BEGIN {
    printf "  (bare program, uncached blocks against plain ones: %.2f s against %.2f s of processor time)\n", r1k - r1, p1k - p1 }'
  # The bare loop that also processes its messages after every block, as
  # Brantelle does: what staying responsive costs, in wall and processor time.
  awk -v m1k="${cpu[M1024]}" -v m1="${cpu[M1]}" -v wm1k="${wall[M1024]}" -v wm1="${wall[M1]}" \
      -v b1k="${cpu[B1024]}" -v b1="${cpu[B1]}" -v wb1k="${wall[B1024]}" -v wb1="${wall[B1]}" 'BEGIN {
    printf "  bare program processing messages after every block: processor %.2f s, wall %.2f s; Brantelle against it: %.3f, wall %.3f\n",
           m1k - m1, wm1k - wm1, (b1k - b1) / (m1k - m1), (wb1k - wb1) / (wm1k - wm1) }'
}

# Start-up to the first display tick (the title then tells the free memory and
# the window shows), with its phases, and private memory two seconds later.
bench_start() {
  local rounds=$1 o
  local -a bs bw bc bp rs rw rp ls lw lp ts tw
  of() { sed -n "s/.*$1 \\([0-9.]*\\).*/\\1/p"; }
  for _ in $(seq "$rounds"); do
    # The pauses let the shell finish with the ended copy's tray icon first.
    o=$(meter start "RAM free" "$exe" /W)
    bs+=("$(echo "$o" | of after)") bp+=("$(echo "$o" | of private)")
    bw+=("$(echo "$o" | of 'first window')") bc+=("$(echo "$o" | of caption)")
    sleep 3
    o=$(meter start "Bare window" "$bare")
    rs+=("$(echo "$o" | of after)") rw+=("$(echo "$o" | of 'first window')") rp+=("$(echo "$o" | of private)")
    sleep 1
    o=$(meter start "Bare window" "$bare" libraries)
    ls+=("$(echo "$o" | of after)") lw+=("$(echo "$o" | of 'first window')") lp+=("$(echo "$o" | of private)")
    sleep 1
    o=$(meter start "Bare window" "$bare" tray); ts+=("$(echo "$o" | of after)") tw+=("$(echo "$o" | of 'first window')")
    sleep 3
  done
  m() { printf '%s\n' "$@" | median; }
  # Each round's difference too: a slow spell of the machine lands on both.
  # And each program's own part, from its first window to shown: how long
  # Wine takes to start a process and connect it to the display moves by a
  # hundred milliseconds and more from one start to the next.
  local -a d own bareOwn trayOwn
  for i in "${!bs[@]}"; do
    d+=("$((${bs[i]%.*} - ${rs[i]%.*}))") own+=("$((${bs[i]%.*} - ${bw[i]%.*}))")
    bareOwn+=("$((${rs[i]%.*} - ${rw[i]%.*}))") trayOwn+=("$((${ts[i]%.*} - ${tw[i]%.*}))")
  done
  awk -v b="$(m "${bs[@]}")" -v r="$(m "${rs[@]}")" -v n="$rounds" -v p="$(m "${d[@]}")" 'BEGIN {
    printf "start-up with /W (medians of %d): Brantelle %d ms, bare window %d ms, difference %.3f s (goal <= 0.08 s); median of the rounds\x27 differences %.3f s\n", n, b, r, (b - r) / 1000, p / 1000 }'
  echo "  Brantelle: first window $(m "${bw[@]}") ms, title with the free memory $(m "${bc[@]}") ms, shown $(m "${bs[@]}") ms"
  echo "  from the first window to shown: Brantelle $(m "${own[@]}") ms, bare window $(m "${bareOwn[@]}") ms, bare window with a tray icon $(m "${trayOwn[@]}") ms"
  echo "  bare window after loading the libraries Brantelle links: first window $(m "${lw[@]}") ms, shown $(m "${ls[@]}") ms"
  awk -v b="$(m "${bp[@]}")" -v r="$(m "${rp[@]}")" 'BEGIN {
    printf "private memory: Brantelle %.2f MB, bare window %.2f MB, above it %.2f MB (goal <= 1.5 MB)\n", b, r, b - r }'
  echo "  bare window after loading the libraries: $(m "${lp[@]}") MB"
}

# Where the private memory is. Wine reports a process's private bytes as its
# resident anonymous pages (RssAnon): here they are grouped by mapping (an
# image's written pages under its name, the unnamed rest: heaps, stacks,
# sections and the program's allocations), 6 s after start, Brantelle shown
# against the bare window that loaded the same libraries.
anon_by_mapping() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / {n = NF >= 6 ? $NF : "(unnamed)"; sub(/.*\//, "", n)}
       /^Anonymous:/ {a[n] += $2} END {for (n in a) if (a[n]) print n, a[n]}' /proc/"$1"/smaps | sort
}
snapshot() {
  wine "$b/$1" "${@:2}" >/dev/null 2>&1 &
  sleep 6
  local pid; pid=$(pgrep -n -f "^$b/${1//./\\.}")
  [ -n "$pid" ] && anon_by_mapping "$pid"
  kill "$pid" 2>/dev/null; wineserver -k >/dev/null 2>&1; sleep 1
}
bench_memory() {
  echo "private memory by mapping, kB (Brantelle /W, bare window with the libraries, difference):"
  join -a1 -a2 -e0 -o 0,1.2,2.2 <(snapshot Brantelle.exe /W) <(snapshot bare.exe libraries) |
    awk '{d = $2 - $3; t2 += $2; t3 += $3; if (d > 3 || d < -3) printf "  %-24s %7d %7d %+7d\n", $1, $2, $3, d}
         END {printf "  %-24s %7d %7d %+7d\n", "all", t2, t3, t2 - t3}'
}

linux_figures() {
  echo "resident $(awk '/VmRSS/ {print $2}' /proc/"$1"/status) kB, $(ls /proc/"$1"/fd | wc -l) Linux file descriptors"
}
# Processor time of all of a process's threads in nanoseconds, from the
# scheduler: the 10 ms ticks of /proc/PID/stat are too coarse for a program
# that uses a few milliseconds a second (an idle minute is some 20 ticks).
# Kernels without scheduler statistics give the ticks.
cpu_ns() {
  if [ -r /proc/"$1"/schedstat ]; then
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{t += $1} END {printf "%.0f\n", t}'
  else
    awk -v hz="$(getconf CLK_TCK)" '{printf "%.0f\n", ($14 + $15) * 1e9 / hz}' /proc/"$1"/stat
  fi
}
# watch SECONDS PROGRAM ARGS...: the program (Brantelle.exe or floor.exe)
# left alone for SECONDS after 5 s of settling. Processor time (the process's,
# and the wineserver's, which is work the program causes) and resident memory
# come from Linux; handles, GDI and USER objects and private bytes from the meter.
watch() {
  local secs=$1 program=$2; shift 2
  wine "$b/$program" "$@" >/dev/null 2>&1 &
  sleep 5
  local pid ws; pid=$(pgrep -n -f "^$b/${program//./\\.}") ws=$(pgrep -n wineserver)
  [ -n "$pid" ] || { echo "watch: $program did not start"; return 1; }
  local t0 c0 w0 t1 c1 w1
  # The meter is a Wine process too: it runs outside the measured span.
  echo "watch start: $(meter figures "$program" | sed 's/^figures: //'), $(linux_figures "$pid")"
  t0=$(date +%s.%N) c0=$(cpu_ns "$pid") w0=$(cpu_ns "$ws")
  sleep "$secs"
  t1=$(date +%s.%N) c1=$(cpu_ns "$pid") w1=$(cpu_ns "$ws")
  echo "watch end:   $(meter figures "$program" | sed 's/^figures: //'), $(linux_figures "$pid")"
  awk -v c="$((c1 - c0))" -v w="$((w1 - w0))" -v t0="$t0" -v t1="$t1" \
    'BEGIN { s = 1e9 * (t1 - t0); printf "watch: %.3f %% of one core over %.0f s (wineserver %.3f %%, together %.3f %%)\n", 100 * c / s, t1 - t0, 100 * w / s, 100 * (c + w) / s }'
  kill "$pid" 2>/dev/null; wineserver -k >/dev/null 2>&1; sleep 1
}

# Idle cost over 60 s, in the tray and shown with its four gauges, each against
# the idle floor in the same state, interleaved; the program's processor time
# and the wineserver's together.
bench_idle() {
  local rounds=$1 tray=() shown=() floorTray=() floorShown=()
  # Each round's figure is shown as it comes, so that a long run leaves its trace.
  together() {
    local v; v=$(sed -n 's/^watch: .*together \([0-9.]*\) %.*/\1/p')
    echo "  round: $v % of one core" >&2
    echo "$v"
  }
  for _ in $(seq "$rounds"); do
    tray+=("$(watch 60 Brantelle.exe | together)")
    floorTray+=("$(watch 60 floor.exe | together)")
    shown+=("$(watch 60 Brantelle.exe /W | together)")
    floorShown+=("$(watch 60 floor.exe shown | together)")
  done
  local state t f
  for state in tray shown; do
    if [ $state = tray ]; then t=("${tray[@]}") f=("${floorTray[@]}"); else t=("${shown[@]}") f=("${floorShown[@]}"); fi
    awk -v b="$(printf '%s\n' "${t[@]}" | median)" -v r="$(printf '%s\n' "${f[@]}" | median)" -v s="$state" \
        -v n="$rounds" -v bs="${t[*]}" -v rs="${f[*]}" 'BEGIN {
      printf "idle %s, with the wineserver (medians of %d, 60 s each): Brantelle %.3f %%, floor %.3f %% of one core, ratio %.2f (goal <= 1.15); rounds %s against %s\n",
             s == "tray" ? "in the tray" : "shown with four gauges", n, b, r, (r > 0 ? b / r : 0), bs, rs }'
  done
}

bench_size() {
  local arch f
  for arch in win32 win64; do
    f=build/$arch/Brantelle.exe
    [ -f "$f" ] && echo "size: $f $(stat -c %s "$f") bytes (goal <= 524288, no symbols: $(objdump -h "$f" 2>/dev/null | grep -c '\.debug') debug sections)"
  done
}

what=${1:-all}
case $what in
  soak)
    secs=${2:-600}
    echo "bench: tray soak for $secs s ($BRANTELLE_WINE_ARCH build)"
    watch "$secs" Brantelle.exe ;;
  free) bench_free "${2:-5}" ;;
  start) bench_start "${2:-7}" ;;
  idle) bench_idle "${2:-3}" ;;
  memory) bench_memory ;;
  size) bench_size ;;
  *)
    [[ $what =~ ^[0-9]+$ ]] || what=""
    echo "bench: $BRANTELLE_WINE_ARCH build${what:+, $what rounds each}, medians"
    bench_free "${what:-5}"; bench_start "${what:-7}"; bench_memory; bench_idle "${what:-3}"; bench_size ;;
esac
wineserver -k >/dev/null 2>&1
