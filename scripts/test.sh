#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build (where
# the Debian package is also made and checked, and the sources' format and clang-tidy's checks
# are tests too), once under AddressSanitizer + UndefinedBehaviorSanitizer, then the fuzzers
# for a bounded time. The configurations are CMakePresets.json's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

# Each stage's heading gives the seconds since the command started: the whole command must fit
# in 30 minutes on a fresh 2-core machine.
stage() { echo "== $1 (${SECONDS} s so far)"; }
stage "build and test"
cmake --preset normal >/dev/null
cmake --build --preset normal -j"$jobs"
ctest --preset normal -j"$jobs" | tee -a "$log"

stage "build and test under AddressSanitizer + UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs" | tee -a "$log"

stage "fuzzers"
scripts/fuzz.sh

# One closing line for both test runs.
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "tests: %d passed, %d failed\n", total - failed, failed }' "$log"
stage "done"
