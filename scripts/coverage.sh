#!/usr/bin/env bash
# Builds with coverage in build-coverage (preset `coverage`), runs every test there and prints
# the line and branch coverage of the program's code per folder, with the totals of each
# top-level folder and of the whole program; `--files` adds one line per file, least covered
# first. Tests, benchmarks and tools are not counted. The gcovr summary stays in
# build-coverage/coverage.json. Its build compiles through ccache without a base_dir
# (CCACHE_BASEDIR empty in the preset), so that the objects name their sources by full path, as
# gcov needs to find them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh coverage

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
cmake --preset coverage >/dev/null
cmake --build --preset coverage -j"$jobs"
find build-coverage -name '*.gcda' -delete
status=0
ctest --preset coverage -j"$jobs" >build-coverage/ctest.log 2>&1 || status=$?
grep -E "tests passed" build-coverage/ctest.log || tail -n 1 build-coverage/ctest.log
[ "$status" -eq 0 ] || grep -E '^\s+[0-9]+ - ' build-coverage/ctest.log >&2 || true

gcovr --root . --object-directory build-coverage -j "$jobs" \
    --exclude-unreachable-branches --exclude-throw-branches \
    --exclude 'tests/' --exclude 'bench/' --exclude 'tools/' --exclude '/usr/' \
    --exclude-directories 'build-coverage/CMakeFiles' \
    --json-summary build-coverage/coverage.json --json-summary-pretty
python3 scripts/coverage-table.py build-coverage/coverage.json "$@"
exit "$status"
