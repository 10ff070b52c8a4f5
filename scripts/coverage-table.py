#!/usr/bin/env python3
"""Line and branch coverage per folder, from a gcovr JSON summary:

    scripts/coverage-table.py SUMMARY.json [--files]

One row per folder that holds sources; a top-level folder with subfolders also gets a row of
its whole, and the last row is the whole program. Headers that the build reached through its
include directories (build*/include/<folder>/<folder>/x.h) count in their own folder.
"""

import argparse
import collections
import json
import re
import sys

# A header as the compiler saw it through a library's include directory.
INCLUDE_LINK = re.compile(r"^build[^/]*/include/[^/]+/(.+)$")


class Count:
    def __init__(self):
        self.lines = [0, 0]  # covered, total
        self.branches = [0, 0]

    def add(self, entry):
        self.lines[0] += entry["line_covered"]
        self.lines[1] += entry["line_total"]
        self.branches[0] += entry["branch_covered"]
        self.branches[1] += entry["branch_total"]

    def row(self, name):
        return f"{name:<28}{cell(self.lines)}{cell(self.branches)}"


def cell(pair):
    covered, total = pair
    percent = f"{100 * covered / total:5.1f} %" if total else "    - "
    return f"{covered:>7}/{total:<7}{percent:>8}   "


def source_path(filename):
    match = INCLUDE_LINK.match(filename)
    return match.group(1) if match else filename


def merged(files):
    """One entry per source file: a header seen both in place and through a link counts once,
    with the larger count (every test program that includes it reports the same lines)."""
    entries = {}
    for entry in files:
        path = source_path(entry["filename"])
        if path.startswith("build"):
            continue  # generated: Qt's moc and resources
        known = entries.get(path)
        if known is None or entry["line_covered"] > known["line_covered"]:
            entries[path] = entry
    return entries


def folder_rows(entries):
    folders = collections.defaultdict(Count)
    tops = collections.defaultdict(Count)
    subfolders = collections.defaultdict(set)
    program = Count()
    for path, entry in entries.items():
        folder = path.rsplit("/", 1)[0] if "/" in path else "."
        top = folder.split("/")[0]
        folders[folder].add(entry)
        tops[top].add(entry)
        subfolders[top].add(folder)
        program.add(entry)
    rows = []
    for top in sorted(tops):
        if subfolders[top] == {top}:
            rows.append(folders[top].row(top + "/"))
            continue
        rows.append(tops[top].row(top + "/ (all)"))
        rows += [folders[f].row("  " + f + "/") for f in sorted(subfolders[top])]
    rows.append(program.row("program"))
    return rows


def file_rows(entries):
    def uncovered(item):
        entry = item[1]
        return entry["line_covered"] / entry["line_total"] if entry["line_total"] else 1
    rows = []
    for path, entry in sorted(entries.items(), key=uncovered):
        count = Count()
        count.add(entry)
        rows.append(count.row(path) if len(path) < 28 else path + "\n" + count.row(""))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("summary")
    parser.add_argument("--files", action="store_true", help="one row per file as well")
    args = parser.parse_args()
    with open(args.summary) as summary:
        entries = merged(json.load(summary)["files"])
    heading = f"{'':<28}{'lines':^25}{'branches':^25}"
    print("\n".join([heading] + folder_rows(entries)))
    if args.files:
        print("\n".join(["", heading] + file_rows(entries)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
