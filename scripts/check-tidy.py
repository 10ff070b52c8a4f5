#!/usr/bin/env python3
"""clang-tidy over the program's sources, with the checks of .clang-tidy:

    scripts/check-tidy.py BUILD_DIR [-j JOBS] [--slowest N] [FILE_REGEX]

Runs clang-tidy on every source of BUILD_DIR/compile_commands.json (the build exports it) that
is not generated into BUILD_DIR itself (Qt's moc and resource files), JOBS at a time (by default
one per processor), or only on those whose path matches FILE_REGEX. Prints the findings of each
file with a finding and fails if there is any, or if clang-tidy could not parse a file; then
the time it took and the processor time it used, and with --slowest the N files that took
longest. Headers
are checked through the sources that include them, as far as .clang-tidy's HeaderFilterRegex
reaches: our folders, never Qt's or GoogleTest's headers.
"""

import argparse
import concurrent.futures
import json
import os
import pathlib
import re
import resource
import shutil
import subprocess
import sys
import time


def sources(build_dir, pattern):
    with open(build_dir / "compile_commands.json") as database:
        entries = json.load(database)
    files = sorted({pathlib.Path(entry["directory"], entry["file"]).resolve()
                    for entry in entries})
    return [f for f in files
            if not f.is_relative_to(build_dir) and re.search(pattern, str(f))]


def source_paths(text, build_dir):
    """Headers named through the build's include directories, named as the sources they link to."""
    links = re.compile(re.escape(f"{build_dir}/include/") + r"[^/\s]+/[^:\s]+")
    return links.sub(lambda match: os.path.realpath(match.group(0)), text)


def tidy(build_dir, source):
    started = time.monotonic()
    result = subprocess.run(
        ["clang-tidy", "--quiet", f"-p={build_dir}", "--warnings-as-errors=*", str(source)],
        capture_output=True, text=True)
    # clang-tidy prints the count of warnings it suppressed on stderr; keep only what it found.
    noise = re.compile(r"^(\d+ warnings?|Suppressed \d+|Use -header-filter|Error while processing)")
    errors = [line for line in result.stderr.splitlines() if not noise.match(line)]
    output = source_paths(result.stdout + "\n".join(errors), build_dir)
    return source, result.returncode, output, time.monotonic() - started


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir", type=pathlib.Path)
    parser.add_argument("-j", "--jobs", type=int, default=os.cpu_count())
    parser.add_argument("--slowest", type=int, default=0, metavar="N")
    parser.add_argument("file_regex", nargs="?", default="")
    args = parser.parse_intermixed_args()
    if shutil.which("clang-tidy") is None:
        print("clang-tidy is not installed: scripts/install-deps.sh test", file=sys.stderr)
        return 1
    build_dir = args.build_dir.resolve()
    files = sources(build_dir, args.file_regex)
    if not files:
        print(f"no sources in {build_dir}/compile_commands.json", file=sys.stderr)
        return 1

    faulty = 0
    durations = []
    started = time.monotonic()
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for source, status, output, seconds in pool.map(lambda f: tidy(build_dir, f), files):
            durations.append((seconds, source))
            if status != 0 or output.strip():
                faulty += 1
                print(f"== {source}\n{output.strip()}", flush=True)
    elapsed = time.monotonic() - started
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    print(f"tidy: {len(files)} files, {faulty} with findings, {elapsed:.0f} s, "
          f"{used.ru_utime + used.ru_stime:.0f} s of processor time")
    for seconds, source in sorted(durations, reverse=True)[:args.slowest]:
        print(f"{seconds:6.1f} s  {source}")
    return 1 if faulty else 0


if __name__ == "__main__":
    sys.exit(main())
