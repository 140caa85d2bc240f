#!/usr/bin/env python3
"""Checks the source folders' dependencies, read from their #include lines: the core never
includes from the widgets, and no folder depends on itself through others (no cycle)."""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1])
include = re.compile(r'^\s*#\s*include\s+"((?:core|gui)/[^/"]+)/[^"]+"', re.M)


def folder_of(path):
    parts = path.relative_to(src).parts
    return '/'.join(parts[:2]) if parts[0] in ('core', 'gui') else parts[0]


edges = {}
for path in src.rglob('*'):
    if path.suffix not in ('.h', '.cpp'):
        continue
    here = folder_of(path)
    for needed in include.findall(path.read_text(encoding='utf-8')):
        if needed != here:
            edges.setdefault(here, set()).add(needed)

faults = [f'{a} includes {b}' for a, bs in edges.items() if a.startswith('core/')
          for b in bs if b.startswith('gui/')]


def cycle_from(start):
    stack, seen = [(start, [start])], set()
    while stack:
        node, path = stack.pop()
        for nxt in edges.get(node, ()):
            if nxt == start:
                return path + [start]
            if nxt not in seen:
                seen.add(nxt)
                stack.append((nxt, path + [nxt]))
    return None


for folder in sorted(edges):
    cycle = cycle_from(folder)
    if cycle:
        faults.append('cycle: ' + ' -> '.join(cycle))

for folder in sorted(edges):
    print(f'{folder}: {", ".join(sorted(edges[folder]))}')
for fault in faults:
    print('FAULT', fault)
sys.exit(1 if faults else 0)
