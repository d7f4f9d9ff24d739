#!/usr/bin/env bash
# Checks the portable package that scripts/package.sh wrote: both programs,
# each the built one and of its processor, each with every shipped language
# file beside it, and the read-me. Prints "package: N passed, M failed".
set -u
cd "$(dirname "$0")/.."
python3 - "$(scripts/package.sh)" <<'PY'
import glob, os, struct, sys, zipfile
path = sys.argv[1]
passed = failed = 0
def check(name, ok, detail=''):
    global passed, failed
    passed, failed = passed + ok, failed + (not ok)
    print(f"  {'ok  ' if ok else 'FAIL'} {name}" + ('' if ok else f': {detail}'))
def machine(image):  # the PE header's machine field
    if image[:2] != b'MZ': return None
    pe = struct.unpack_from('<I', image, 0x3c)[0]
    return struct.unpack_from('<H', image, pe + 4)[0] if image[pe:pe + 4] == b'PE\0\0' else None
z = zipfile.ZipFile(path)
names = set(z.namelist())
top = os.path.basename(path)[:-4] + '/'
check('it holds a read-me', top + 'README.txt' in names and b'/FREE' in z.read(top + 'README.txt'), sorted(names))
languages = sorted(os.path.basename(f) for f in glob.glob('data/Language/*.ini'))
for folder, build, want in (('win32', 'build/win32', 0x14c), ('x64', 'build/win64', 0x8664)):
    exe = f'{top}{folder}/Brantelle.exe'
    image = z.read(exe) if exe in names else b''
    check(f'{folder}: the built program, for its processor', image == open(f'{build}/Brantelle.exe', 'rb').read()
          and machine(image) == want, f'{exe}: machine {machine(image)}')
    got = sorted(n[len(f'{top}{folder}/Language/'):] for n in names if n.startswith(f'{top}{folder}/Language/'))
    check(f'{folder}: every language file beside it', got == languages and len(languages) == 9, got)
print(f'package: {passed} passed, {failed} failed')
sys.exit(failed > 0)
PY
