#!/usr/bin/env bash
# Writes the portable package dist/Brantelle-<version>.zip from the built trees
# (scripts/build.sh): the 32-bit program (for every Windows from 95 on) and the
# 64-bit one, each in a folder of its own with the Language files beside it,
# and a short read-me. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/.*VALUE "ProductVersion", "\([^"]*\)".*/\1/p' src/app/win32/Brantelle.rc)
for exe in build/win32/Brantelle.exe build/win64/Brantelle.exe; do
  [ -f "$exe" ] || { echo "package: $exe is missing (run scripts/build.sh)" >&2; exit 1; }
done
mkdir -p dist
out="dist/Brantelle-$version.zip"
python3 - "$out" "$version" <<'PY'
import glob, os, sys, zipfile
out, version = sys.argv[1], sys.argv[2]
top = f'Brantelle-{version}/'
readme = f'''Brantelle {version} - a memory optimizer for Windows

win32\\Brantelle.exe  the program for 32-bit Windows: Windows 95 from its
                     first release with nothing installed, 98, ME, NT 4,
                     2000, XP and later (runs on 64-bit Windows too), on
                     every processor those run on: a 386DX or later (386,
                     486, Pentium, Pentium MMX, Pentium Pro and on; AMD,
                     Cyrix, IDT WinChip, VIA). It needs no C runtime library.
                     A 386 or 486SX without a maths coprocessor runs it too:
                     Windows emulates the coprocessor's instructions, so the
                     figures and gauges come out the same, only slower to
                     work out.
x64\\Brantelle.exe    the same program for 64-bit Windows (x86-64).

Each folder is complete: copy one anywhere and run Brantelle.exe. Nothing is
installed; settings are kept in the registry under
HKEY_CURRENT_USER\\SOFTWARE\\Corvantis\\Brantelle, and the activity log is
log.txt beside the program. The Language folder holds the interface
languages; without it the program speaks English.

Command line:
  Brantelle.exe              starts in the notification area
  Brantelle.exe /W           starts with the window shown
  Brantelle.exe /OPT         frees a quarter of installed memory, then exits
  Brantelle.exe /FREE n      frees n MB, then exits
  Brantelle.exe /AWC file    frees memory, runs the program named in the
                             file's [NebbetSettings], frees again, exits
A second copy hands its command line to the running one and exits.
'''.replace('\n', '\r\n')
tmp = out + '.tmp'
with zipfile.ZipFile(tmp, 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr(top + 'README.txt', readme)
    for folder, build in (('win32', 'build/win32'), ('x64', 'build/win64')):
        z.write(f'{build}/Brantelle.exe', f'{top}{folder}/Brantelle.exe')
        for lang in sorted(glob.glob('data/Language/*.ini')):
            z.write(lang, f'{top}{folder}/Language/{os.path.basename(lang)}')
os.replace(tmp, out)
PY
echo "$out"
