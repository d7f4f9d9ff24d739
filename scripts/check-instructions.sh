#!/usr/bin/env bash
# Checks that every instruction of an i686 image runs on an Intel 386DX with
# a 387: disassembles the code section function by function, as the link map
# places them (so that nothing between functions is read as code), and fails,
# naming each function and instruction, on
#  - 486 instructions: bswap, cmpxchg, xadd, invlpg, invd, wbinvd;
#  - Pentium ones: cmpxchg8b, rdmsr, wrmsr, rsm, and cpuid and rdtsc outside
#    the processor window's two probe functions (which run them only after
#    the ID-flag test and the time-stamp-counter feature bit);
#  - Pentium Pro and later ones: cmov*, fcmov*, fcomi*, fucomi*, multi-byte
#    nop, sysenter/sysexit, rdpmc, endbr32, SSE3's fisttp, and anything that
#    names an MMX, SSE or AVX register.
# ud2 passes: its opcode was undefined before the Pentium Pro, so a 386
# raises the same invalid-opcode trap on it.
# Prints how many instructions and functions it checked.
# Usage: check-instructions.sh EXE MAP
set -euo pipefail
exe=${1:?usage: check-instructions.sh EXE MAP}
map=${2:?usage: check-instructions.sh EXE MAP}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/image-map.py" functions "$map" > "$work/functions"
"$objdump" -h "$exe" > "$work/headers"
"$objdump" -d --no-show-raw-insn -j .text "$exe" > "$work/code"

python3 - "$exe" "$work" "$objdump" <<'PY'
import re, subprocess, sys

exe, work, objdump = sys.argv[1:4]
# The only functions that may run an identification instruction.
PROBES = {
    'cpuid': 'X86Instructions::Cpuid(',
    'rdtsc': 'X86Instructions::ReadTimeStampCounter(',
}
LATER = re.compile(r'^(bswap|cmpxchg8b|cmpxchg16b|cmpxchg|xadd|invlpg|invd|wbinvd|rdmsr|wrmsr|rsm|rdpmc'
                   r'|cmov\w+|fcmov\w+|fcomi|fcomip|fucomi|fucomip|sysenter|sysexit|syscall|sysret'
                   r'|endbr32|endbr64|fisttp\w*|emms|femms|fxsave|fxrstor|ldmxcsr|stmxcsr|sfence|lfence'
                   r'|mfence|clflush|movnti|prefetch\w*|popcnt|lzcnt|tzcnt|movbe|crc32|rdrand|rdseed'
                   r'|nop[lwq])$')
VECTOR = re.compile(r'%(mm|xmm|ymm|zmm)\d')
INSN = re.compile(r'^\s+([0-9a-f]+):\s+(?:(?:lock|rep[a-z]*|data16|addr16|[cdefgs]s)\s+)*([a-z][a-z0-9.]*)(?:\s+(.*))?$')

text = None
for line in open(f'{work}/headers'):
    parts = line.split()
    if len(parts) >= 4 and parts[1] == '.text':
        text = (int(parts[3], 16), int(parts[2], 16))
if not text:
    sys.exit(f'instruction check: {exe} has no code section')

functions = []
for line in open(f'{work}/functions'):
    span, origin = line.rstrip('\n').split('\t')
    start, end, name = span.split(' ', 2)
    functions.append((int(start, 16), int(end, 16), name, origin))
mapped_end = max((f[1] for f in functions), default=0)
if not functions or functions[0][0] < text[0] or mapped_end > text[0] + text[1]:
    sys.exit(f'instruction check: the link map does not describe {exe} (rebuild both)')

def decode(lines):
    out = {}
    for line in lines:
        m = INSN.match(line)
        if m:
            out[int(m.group(1), 16)] = (m.group(2), m.group(3) or '')
    return out

linear = decode(open(f'{work}/code'))
starts = sorted(linear)

def instructions(start, end):
    # The whole section decoded at once stays in step at a function's start
    # unless something before it was not code; such a function is decoded alone.
    import bisect
    i = bisect.bisect_left(starts, start)
    if i < len(starts) and starts[i] == start:
        j = bisect.bisect_left(starts, end)
        return [(a, *linear[a]) for a in starts[i:j]]
    alone = subprocess.run([objdump, '-d', '--no-show-raw-insn', '-j', '.text', f'--start-address={start:#x}',
                            f'--stop-address={end:#x}', exe], capture_output=True, text=True, check=True).stdout
    found = decode(alone.splitlines())
    return [(a, *found[a]) for a in sorted(found) if start <= a < end]

faults, checked, probes = [], 0, {k: 0 for k in PROBES}
for start, end, name, origin in functions:
    for address, mnemonic, operands in instructions(start, end):
        checked += 1
        if mnemonic in PROBES:
            if PROBES[mnemonic] in name:
                probes[mnemonic] += 1
                continue
            faults.append((name, origin, address, mnemonic, operands, 'identification instruction outside its probe'))
        elif LATER.match(mnemonic) or VECTOR.search(operands):
            faults.append((name, origin, address, mnemonic, operands, 'not a 386/387 instruction'))

for name, origin, address, mnemonic, operands, why in faults:
    print(f'instruction check: {name} [{origin}] at {address:#x}: {mnemonic} {operands} ({why})')
print(f'instruction check: {checked} instructions in {len(functions)} functions of {exe}; '
      f'probes: cpuid {probes["cpuid"]}, rdtsc {probes["rdtsc"]}')
missing = [k for k, n in probes.items() if n == 0]
if missing:
    print(f'instruction check: no {" or ".join(missing)} in its probe function (renamed? the probe list is stale)')
print('instruction check: ' + ('FAILED' if faults or missing else 'passed (runs on a 386DX with a 387)'))
sys.exit(1 if faults or missing else 0)
PY
