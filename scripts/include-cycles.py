#!/usr/bin/env python3
"""Finds include cycles among the project's own sources.

A module is a header and the source file of the same name in the same folder
(Chart.h and Chart.cpp are one module); module A depends on module B when a
file of A includes a header of B. Every strongly connected set of two or more
modules is a cycle, printed one per line with the includes that close it.

    scripts/include-cycles.py [--known-cycle MODULE]... [REPO_DIR]

Only the files git tracks are read (a build tree beside them is not; outside
a checkout, every file but those under build*/ folders). A quoted
include is looked up beside the including file, then from the repository root,
then as the path's tail of a unique tracked file (the CMake targets put their
own folders on the include path). Exit status 0 when there is no cycle, 1
otherwise. A cycle through a module given with --known-cycle is listed but
does not fail the run, until it is gone: then the run fails and says to drop
the option, so that a mended cycle cannot come back unnoticed.
"""

import argparse

import os
import re
import subprocess
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def tracked_sources(repo):
    try:
        files = subprocess.run(
            ["git", "-C", repo, "ls-files"], check=True, capture_output=True, text=True
        ).stdout.split()
    except (OSError, subprocess.CalledProcessError):
        # Not a checkout (a source archive): every file but the build trees'.
        files = []
        for folder, subfolders, names in os.walk(repo):
            subfolders[:] = [d for d in subfolders if not d.startswith(("build", "."))]
            files += [os.path.relpath(os.path.join(folder, n), repo) for n in names]
    return [f for f in files if f.endswith(SOURCE_SUFFIXES)]


def module_of(path):
    return os.path.splitext(path)[0]


def resolver(files):
    known = set(files)
    by_tail = {}
    for f in files:
        parts = f.split("/")
        for i in range(len(parts)):
            by_tail.setdefault("/".join(parts[i:]), []).append(f)

    def resolve(including, name):
        beside = os.path.normpath(os.path.join(os.path.dirname(including), name))
        if beside in known:
            return beside
        rooted = os.path.normpath(name)
        if rooted in known:
            return rooted
        candidates = by_tail.get(rooted, [])
        return candidates[0] if len(candidates) == 1 else None

    return resolve


def graph(repo):
    files = tracked_sources(repo)
    resolve = resolver(files)
    edges = {}  # module -> {module: (file, header)}
    for f in files:
        with open(os.path.join(repo, f), encoding="utf-8", errors="replace") as source:
            text = source.read()
        here = module_of(f)
        edges.setdefault(here, {})
        for name in INCLUDE.findall(text):
            target = resolve(f, name)
            if target is None:
                continue
            there = module_of(target)
            if there != here:
                edges[here].setdefault(there, (f, name))
    return edges


def strongly_connected(edges):
    """Tarjan's algorithm, iterative; returns the sets of two or more modules."""
    index, low, on_stack, stack, result = {}, {}, set(), [], []
    counter = 0
    for root in sorted(edges):
        if root in index:
            continue
        work = [(root, iter(sorted(edges.get(root, {}))))]
        index[root] = low[root] = counter
        counter += 1
        stack.append(root)
        on_stack.add(root)
        while work:
            node, children = work[-1]
            advanced = False
            for child in children:
                if child not in index:
                    index[child] = low[child] = counter
                    counter += 1
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(edges.get(child, {})))))
                    advanced = True
                    break
                if child in on_stack:
                    low[node] = min(low[node], index[child])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    result.append(sorted(component))
    return result


def main():
    parser = argparse.ArgumentParser(description="Finds include cycles among the project's sources.")
    parser.add_argument("--known-cycle", action="append", default=[], metavar="MODULE")
    parser.add_argument("repo", nargs="?", default=".")
    args = parser.parse_args()
    edges = graph(args.repo)
    cycles = strongly_connected(edges)
    failed = False
    for known in args.known_cycle:
        if not any(known in component for component in cycles):
            print(f"the known cycle through {known} is gone: drop --known-cycle {known}")
            failed = True
    for component in cycles:
        known = any(module in component for module in args.known_cycle)
        failed = failed or not known
        members = set(component)
        links = [
            f"{edges[a][b][0]} includes {edges[a][b][1]}"
            for a in component
            for b in sorted(edges[a])
            if b in members
        ]
        label = "known cycle" if known else "cycle"
        print(f"{label}: " + " <-> ".join(component) + " (" + "; ".join(links) + ")")
    print(f"{len(cycles)} include cycles among {len(edges)} modules")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
