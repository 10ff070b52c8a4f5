#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset `fuzz`, in build-fuzz) and runs each as a test
# for BRX_FUZZ_SECONDS (30 by default), from the seed corpus that the fuzzer's seed program
# (semillas_<name> beside fuzz_<name>) writes, when it has one; as many at once as there are
# processors, each fuzzer being one process.
set -euo pipefail
cd "$(dirname "$0")/.."
export BRX_FUZZ_SECONDS="${BRX_FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
ctest --preset fuzz -j"$(nproc)" --timeout $((BRX_FUZZ_SECONDS + 300))
