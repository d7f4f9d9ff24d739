#!/usr/bin/env bash
# The smoke group: the real i686 Brantelle.exe under 32-bit Wine in an emulated
# i386 root (scripts/emu32.sh), for machines that cannot execute 32-bit
# programs. Every Wine process start costs about a minute there, so the checks
# share few starts: one Wine server for the session, and the probe runs several
# commands in one process ("batch"). Prints "e2e-emulated: N passed, M failed".
# Needs root, a display and the i686 build.
set -u
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/emu32.sh"
build=${BRANTELLE_WIN32_BUILD:-$root/build/win32}
passed=0 failed=0
check() {  # NAME CONDITION-RESULT DETAIL
  if [ "$2" = 0 ]; then passed=$((passed + 1)); echo "  ok   $1"
  else failed=$((failed + 1)); echo "  FAIL $1: $3"; fi
}
give_up() { echo "e2e-emulated: $1"; echo "e2e-emulated: 0 passed, 1 failed"; exit 1; }
finish() {
  server -k
  emu32_unmount
  echo "e2e-emulated: $passed passed, $failed failed"
  exit $((failed > 0))
}
started=$SECONDS
took() { echo "  -- $1: $((SECONDS - started)) s"; started=$SECONDS; }

[ "$(id -u)" -eq 0 ] || give_up "needs root"
[ -n "${DISPLAY:-}" ] || give_up "needs a display"
# BRANTELLE_EMULATE=0 (where 32-bit code runs natively) runs the group in the
# root without the emulator: a quick check of the group itself.
if [ "${BRANTELLE_EMULATE:-1}" != 0 ]; then
  emu32_register || give_up "cannot register the emulator"
fi
emu32_prepare || { emu32_unmount; give_up "no i386 root"; }
trap finish EXIT
took "root and prefix"

# A fresh prefix and the program's folder, inside the root.
run=$EMU32_ROOT$EMU32_PREFIX dir=$EMU32_ROOT/brantelle
rm -rf "$run" "$dir"
cp -a "$EMU32_ROOT/wine/template" "$run"
mkdir -p "$dir"
cp "$build/Brantelle.exe" "$build/probe.exe" "$dir/"
cp -r "$build/Language" "$dir/" 2>/dev/null
exe='Z:\brantelle\Brantelle.exe' log=$dir/log.txt

server() { emu32_run "$EMU32_PREFIX" wineserver "$@" >/dev/null 2>&1; }
# brantelle ARGS...: the program, to its end (at most 15 minutes); its exit status
brantelle() { EMU32_TIMEOUT=900 emu32_run "$EMU32_PREFIX" wine "$exe" "$@" >/dev/null 2>&1; }
# probe CMD ARGS... \; CMD ...: one probe process; "rc=N" after each command's output
probe() { emu32_run "$EMU32_PREFIX" wine 'Z:\brantelle\probe.exe' batch "$@" 2>/dev/null | tr -d '\r'; }
# nth N OUTPUT: what the Nth command of a batch printed
nth() { awk -v n="$1" '/^rc=-?[0-9]+$/ { i++; next } i == n - 1' <<<"$2"; }
opts='HKCU\SOFTWARE\Corvantis\Brantelle\Options'

# One Wine session throughout: a session start (its server, services, drivers
# and desktop process) costs minutes under emulation. The registry is read and
# written by the probe inside it, and Windows 98 mode is Brantelle's own.
server -p

echo "e2e-emulated: one-shot modes (i686 build)"
for args in "/FREE 16" "/OPT"; do
  rm -f "$log"
  start=$SECONDS
  # shellcheck disable=SC2086
  brantelle $args
  rc=$?
  grep -q "started freeing RAM" "$log" 2>/dev/null && grep -q "finished freeing RAM" "$log" &&
    grep -q '\*\*\* Brantelle started' "$log" && [ "$rc" = 0 ]
  check "$args exits by itself and logs its run" $? \
    "exit $rc after $((SECONDS - start)) s; log: $(tr -d '\r' < "$log" 2>&1 | tr '\n' '|')"
  took "$args"
done

echo "e2e-emulated: window, processor window, second copy, settings"
brantelle /W &
out=$(probe wait-state normal 300000 \; sleep 2000 \; title \; cpu-open-strip \; cpu-wait open 120000 \
  \; cpu-show \; cpu-ok \; cpu-wait none 60000 \; minimize \; wait-state hidden 60000)
[[ "$(nth 3 "$out")" == "Brantelle "*" : "*"% RAM free ("*" Mb)" ]]
check "/W shows the window with the free memory in its title" $? "$out"
grep -Eqx 'Static\|[1-9][0-9]* Mhz' <<<"$(nth 6 "$out")"; check "the processor window shows a measured speed" $? "$out"
grep -qx 'rows=30 images=1' <<<"$(nth 6 "$out")"; check "it lists its thirty feature rows" $? "$(nth 6 "$out")"
[ "$(nth 8 "$out")" = "none count=0" ]; check "Ok closes it" $? "$(nth 8 "$out")"
[ "$(nth 10 "$out")" = hidden ]; check "minimize hides it to the tray" $? "$(nth 10 "$out")"
took "window and processor window"
start=$SECONDS
brantelle /W
rc=$?
took "second copy"
# One probe for the rest of this start: the window back, the settings dialog,
# the stored value, Exit, and Windows 98 mode for the next start.
dlg="Brantelle Settings"
out=$(probe wait-state normal 120000 \; click Settings \; wait-window "$dlg" 120000 \
  \; press "$dlg" "Beep every time after freeing" \; press "$dlg" Save \; sleep 2000 \
  \; reg-get "$opts\\MainForm\\DoBeep" Caption \; exit \; wait-state none 60000 \
  \; reg-set 'HKCU\Software\Wine\AppDefaults\Brantelle.exe' Version win98)
[ "$rc" = 0 ] && [ "$(nth 1 "$out")" = normal ]
check "a second copy hands its command line over and exits; the first comes back" $? "exit $rc; $out"
[ "$(nth 7 "$out")" = 1 ]; check "the settings dialog saves a changed value to the registry" $? "$out"
took "settings"

echo "e2e-emulated: Windows 98 mode"
brantelle /W &
out=$(probe wait-state normal 300000 \; sleep 5000 \; boxes \; tools-strip)
import -window root "$root/build/e2e-emulated-main.png" 2>/dev/null
out="$out
$(probe exit \; wait-state none 60000)"
[ "$(nth 1 "$out")" = normal ] && [ "$(nth 3 "$out")" = 0 ]
check "98: a /W start shows the window and no error box after 5 s" $? "$out"
[ "$(nth 4 "$out")" = enabled ]; check "98: it offers the Windows 98 cache tuning" $? "$(nth 4 "$out")"
took "Windows 98 mode"
