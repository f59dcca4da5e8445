#!/usr/bin/env python3
"""Checks that every file of src/ includes only its own floor or lower ones,
and that no two folders include each other, however indirectly.

The floors, bottom up (docs/architecture.md):
  base, text, platform, data, the feature cores (board, search, hotel,
  settings, gtfs), the desktop shell (shell), the feature windows (each
  feature's ui/ folder), and the programs (app, cli).
Folders on one floor may include each other's headers as long as that makes
no cycle. Each ui/ folder counts as a folder of its own. The libraries of
src/CMakeLists.txt enforce the same for code that links; this also covers
headers. Prints every offending include and exits 1 when there is one.
"""
import collections
import os
import re
import sys

FLOORS = {
    "base": 0,
    "text": 1,
    "platform": 2,
    "data": 3,
    "board": 4, "search": 4, "hotel": 4, "settings": 4, "gtfs": 4,
    "shell": 5,
    "board/ui": 6, "search/ui": 6, "hotel/ui": 6, "settings/ui": 6,
    "app": 7, "cli": 7,
}
INCLUDE = re.compile(r'\s*#\s*include\s+"([^"]+)"')


def folder_of(path):
    parts = path.split("/")
    if len(parts) >= 3 and parts[1] == "ui":
        return parts[0] + "/ui"
    return parts[0]


def include_edges(src):
    """(from folder, to folder) -> ["file:line: include", ...]"""
    edges = collections.defaultdict(list)
    for dirpath, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            here = folder_of(rel)
            with open(path, encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    m = INCLUDE.match(line)
                    if not m or "/" not in m.group(1):
                        continue  # generated files and same-folder names
                    there = folder_of(m.group(1))
                    if there != here:
                        edges[(here, there)].append(f"src/{rel}:{number}: {m.group(1)}")
    return edges


def cycles(edges):
    """The strongly connected folder groups of more than one folder (Tarjan)."""
    graph = collections.defaultdict(set)
    for a, b in edges:
        graph[a].add(b)
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def main():
    src = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    edges = include_edges(src)
    faults = 0
    for folder in sorted({a for a, _ in edges} | {b for _, b in edges}):
        if folder not in FLOORS:
            print(f"src/{folder}: on no floor; add it to scripts/check-floors.py "
                  "and docs/architecture.md")
            faults += 1
    for (a, b), lines in sorted(edges.items()):
        if a in FLOORS and b in FLOORS and FLOORS[b] > FLOORS[a]:
            for line in lines:
                print(f"{line}: {a} includes the higher floor {b}")
                faults += 1
    for group in cycles(edges):
        print("include cycle between folders: " + ", ".join(group))
        # The includes that are not plainly downward close the cycle.
        for a in group:
            for b in group:
                if FLOORS.get(b, 99) < FLOORS.get(a, 99):
                    continue
                for line in edges.get((a, b), []):
                    print(f"  {line}")
        faults += 1
    if faults:
        sys.exit(1)
    print(f"floors: {sum(len(v) for v in edges.values())} includes between "
          f"{len(edges)} folder pairs, none upward, no cycle")


if __name__ == "__main__":
    main()
