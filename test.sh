#!/usr/bin/env bash
# Sets up, builds and runs all three test layers: unit (native, ASan+UBSan,
# with a short soak and a fuzz smoke run),
# integration (Win32 under Wine, through CTest) and end to end (Brantelle.exe
# under Wine); checks the i686 image's imports and instructions and the
# portable package.
# The Wine layers run the Windows build this machine can execute
# (scripts/wine-env.sh): the i686 one where 32-bit programs run natively;
# elsewhere the x86_64 one, and the i686 one under emulation in a smoke group
# (tests/e2e/smoke32.sh). Each runner prints its summary; the last line sums them up.
set -uo pipefail
cd "$(dirname "$0")"
# Prints how long the previous step took, so a slow CI run shows where it went.
step_start=$SECONDS
took() { echo "-- $1: $((SECONDS - step_start)) s"; step_start=$SECONDS; }
scripts/setup.sh || exit 1
took setup
# Where the 32-bit program runs only emulated, its i386 root and Wine prefix take
# longest to make (once per machine): they are made beside the build, under the
# cache's lock, which the smoke group waits for.
emulated=0
if [ "${BRANTELLE_WINE_ARCH:-win64}" = win64 ] && ! scripts/can-run-32bit.sh && [ "$(id -u)" -eq 0 ]; then
  emulated=1
  mkdir -p build
  (unset DISPLAY; source scripts/wine-env.sh && brantelle_display && source scripts/emu32.sh &&
    emu32_register && emu32_prepare) > build/emu32-prepare.log 2>&1 &
fi
scripts/build.sh || exit 1
took build

status=0
echo "== imports of the i686 program"
scripts/check-imports.sh build/win32/Brantelle.exe || status=1
echo "== instructions of the i686 program"
scripts/check-instructions.sh build/win32/Brantelle.exe build/win32/Brantelle.map || status=1
tests/checks/run.sh | tee build/checks.log || status=1
echo "== package"
tests/package.sh | tee build/package.log || status=1
took "imports, instructions and package"
echo "== unit (native)"
(cd build/native && ctest --output-on-failure) || status=1
took unit
echo "== fuzz (a few seconds per target)"
scripts/fuzz.sh 3 || status=1
took fuzz

if ! source scripts/wine-env.sh; then
  echo "all: unit layer only; the Wine layers could not run"
  exit 1
fi
case "$BRANTELLE_WINE_ARCH" in
  win32) how="i686 build natively: integration and full e2e" ;;
  *) how="x86_64 build natively: integration and full e2e" ;;
esac
[ $emulated = 1 ] && how="$how; i686 build under emulation: smoke group"
echo "Wine layers: $how ($BRANTELLE_ARCH_WHY)"
# A fresh Wine prefix for this run, shared by the integration and end-to-end layers.
export WINEPREFIX="$PWD/build/test-prefix-$BRANTELLE_WINE_ARCH" BRANTELLE_WINEPREFIX="$PWD/build/test-prefix-$BRANTELLE_WINE_ARCH"
rm -rf "$BRANTELLE_BUILD/results"
brantelle_display
brantelle_fresh_prefix

echo "== integration (Wine)"
(cd "$BRANTELLE_BUILD" && ctest --output-on-failure) || status=1
took integration

echo "== end to end (Wine)"
tests/e2e/run.sh | tee build/e2e.log || status=1
wineserver -k >/dev/null 2>&1
took e2e

rm -f build/e2e-emulated.log
if [ $emulated = 1 ]; then
  echo "== end to end, i686 build under emulation (smoke group)"
  tests/e2e/smoke32.sh | tee build/e2e-emulated.log || status=1
  took "e2e under emulation"
fi

# One closing line for the whole run, from GoogleTest's reports and the e2e log.
BRANTELLE_BUILD="$BRANTELLE_BUILD" python3 - <<'PY' || true
import glob, os, re, xml.etree.ElementTree as ET
p = f = 0
build = os.environ['BRANTELLE_BUILD']
for path in glob.glob('build/native/results/*.xml') + glob.glob(build + '/results/*.xml'):
    r = ET.parse(path).getroot()
    t, fl = int(r.get('tests', 0)), int(r.get('failures', 0)) + int(r.get('errors', 0))
    p += t - fl - int(r.get('disabled', 0)); f += fl
for log, label in (('build/e2e.log', 'e2e'), ('build/e2e-emulated.log', 'e2e-emulated'),
                   ('build/package.log', 'package'), ('build/checks.log', 'checks')):
    text = open(log).read() if os.path.exists(log) else ''
    m = re.search(label + r': (\d+) passed, (\d+) failed', text)
    if m: p += int(m.group(1)); f += int(m.group(2))
print(f"all: {p} passed, {f} failed")
PY
exit $status
