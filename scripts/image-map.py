#!/usr/bin/env python3
"""Reads a GNU ld link map of a PE image.

  image-map.py sizes MAP      bytes by output section, and by origin within them
  image-map.py functions MAP  one line per function of the code section:
                              start, end (hex, exclusive), name, origin

Input sections are attributed to the object or archive member they came
from; origins are grouped as the program's own objects, the C++ runtime,
the compiler's support library, MinGW's C runtime and start-up code,
import libraries (the DLLs' thunks and tables) and the linker's own.
"""
import collections
import re
import subprocess
import sys

SECTION_LINE = re.compile(r'^ (\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$')
SECTION_NAME = re.compile(r'^ (\S+)$')
PLACE_LINE = re.compile(r'^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$')
SYMBOL_LINE = re.compile(r'^\s+0x([0-9a-f]+)\s+(\S.*)$')
OUTPUT_LINE = re.compile(r'^(\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)')
OUTPUT_NAME = re.compile(r'^(\.\S+)$')


def parse(path):
    """Yields (output, input_name, address, size, origin, symbols)."""
    lines = open(path, errors='replace').read().splitlines()
    try:
        start = lines.index('Linker script and memory map')
    except ValueError:
        sys.exit(f'{path}: not a GNU ld map')
    output = None
    current = None
    pending = None  # an input section name whose placement follows on the next line
    for line in lines[start + 1:]:
        m = OUTPUT_LINE.match(line) or OUTPUT_NAME.match(line)
        if m:
            if current:
                yield current
                current = None
            output = m.group(1)
            continue
        if line.startswith('/DISCARD/'):
            if current:
                yield current
                current = None
            output = None
            continue
        if pending:
            m = PLACE_LINE.match(line)
            if m:
                if current:
                    yield current
                current = (output, pending, int(m.group(1), 16), int(m.group(2), 16), m.group(3), [])
            pending = None
            continue
        m = SECTION_LINE.match(line)
        if m and not m.group(1).startswith('*'):
            if current:
                yield current
            current = (output, m.group(1), int(m.group(2), 16), int(m.group(3), 16), m.group(4), [])
            continue
        m = SECTION_NAME.match(line)
        if m and not m.group(1).startswith('*'):
            pending = m.group(1)
            continue
        m = SYMBOL_LINE.match(line)
        if m and current and not m.group(2).startswith(('.', '[', 'PROVIDE', '*')) and '=' not in m.group(2):
            current[5].append((int(m.group(1), 16), m.group(2)))
    if current:
        yield current


def origin_group(origin):
    if re.search(r'(Start|CRuntime|RbTree|Runtime)\.cpp\.obj', origin):
        return "program's own runtime"
    if 'libbrantelle' in origin or '/Brantelle.dir/' in origin or origin.startswith('CMakeFiles/'):
        return 'program'
    name = origin.rsplit('/', 1)[-1]
    if name.startswith(('libstdc++', 'libsupc++')):
        return 'C++ runtime'
    if name.startswith('libgcc_eh'):
        return 'exception unwinder'
    if name.startswith('libgcc'):
        return 'compiler support (libgcc)'
    if name.startswith(('libmingwex', 'libmingw32', 'libmsvcrt', 'crt', 'libmoldname')):
        return 'MinGW C runtime'
    if re.match(r'lib[a-z0-9_]+\.a\(', name):
        return 'import libraries'
    if 'linker stubs' in origin or origin in ('dll stuff',) or origin.startswith('LONG '):
        return 'linker (relocations, table ends)'
    return 'other: ' + name


def short(origin):
    m = re.search(r'([^/]+\.a)\(([^)]+)\)$', origin)
    if m:
        return f'{m.group(1)}({m.group(2)})'
    return origin.rsplit('/', 1)[-1]


def number(n):
    return f'{n:,}'.replace(',', ' ')


def sizes(path):
    by_output = collections.Counter()
    by_group = collections.defaultdict(collections.Counter)
    by_object = collections.Counter()
    for output, name, address, size, origin, symbols in parse(path):
        if not output or size == 0:
            continue
        by_output[output] += size
        group = origin_group(origin)
        by_group[group][output] += size
        by_object[(group, short(origin))] += size
    print('by section (input bytes):')
    for output, size in by_output.most_common():
        print(f'  {output:<12} {number(size):>9}')
    print('by origin (input bytes; per section):')
    for group, counter in sorted(by_group.items(), key=lambda g: -sum(g[1].values())):
        parts = ', '.join(f'{o} {number(s)}' for o, s in counter.most_common())
        print(f'  {group:<32} {number(sum(counter.values())):>9}  ({parts})')
    print('largest objects:')
    for (group, obj), size in by_object.most_common(25):
        print(f'  {number(size):>9}  {obj}  [{group}]')


def demangle(names):
    """Names of sections made per function are mangled; the map's symbols are not."""
    mangled = sorted({n for n in names if n.startswith('_Z')})
    if not mangled:
        return {}
    try:
        out = subprocess.run(['c++filt'], input='\n'.join(mangled), capture_output=True, text=True,
                             check=True).stdout.splitlines()
    except (OSError, subprocess.CalledProcessError):
        return {}
    return dict(zip(mangled, out)) if len(out) == len(mangled) else {}


def functions(path):
    rows = []
    for output, name, address, size, origin, symbols in parse(path):
        if output != '.text' or size == 0 or not name.startswith('.text'):
            continue
        end = address + size
        # A section of its own per function (-ffunction-sections) is named
        # after it; an object's plain .text is split at its global symbols.
        marks = sorted({a for a, _ in symbols if address <= a < end})
        names = {}
        for a, s in symbols:
            names.setdefault(a, s)
        label = name[6:] if name[5:6] in ('$', '.') else None
        if not marks or marks[0] != address:
            marks = [address] + marks
        for i, a in enumerate(marks):
            b = marks[i + 1] if i + 1 < len(marks) else end
            rows.append((a, b, names.get(a, label if a == address and label else f'{short(origin)}+{a - address:#x}'),
                         short(origin)))
    plain = demangle(r[2] for r in rows)
    for a, b, label, origin in rows:
        print(f'{a:08x} {b:08x} {plain.get(label, label)}\t{origin}')


if __name__ == '__main__':
    if len(sys.argv) != 3 or sys.argv[1] not in ('sizes', 'functions'):
        sys.exit(__doc__)
    {'sizes': sizes, 'functions': functions}[sys.argv[1]](sys.argv[2])
