#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in a normal build (where
# the Debian package is also made and checked), once under AddressSanitizer +
# UndefinedBehaviorSanitizer, then the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

echo "== build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRX_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" | tee -a "$log"

echo "== build and test under AddressSanitizer + UBSan"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBRX_SANITIZE=ON -DBRX_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE no-sanitize | tee -a "$log"

echo "== fuzzers"
scripts/fuzz.sh

# One closing line for both test runs.
awk '/tests passed, [0-9]+ tests failed out of/ { failed += $4; total += $NF }
     END { printf "tests: %d passed, %d failed\n", total - failed, failed }' "$log"
