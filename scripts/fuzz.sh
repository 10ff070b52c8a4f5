#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, from the seed corpus
# that the fuzzer's seed program (semillas_<name> beside fuzz_<name>) writes, when it has one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${BRX_FUZZ_SECONDS:-30}"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRX_FUZZ=ON \
    -DBRX_TESTS=OFF -DBRX_WERROR=ON >/dev/null
cmake --build build-fuzz --target brx_fuzzers -j"$(nproc)"
for f in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    echo "-- $f for ${seconds}s"
    corpus="$(mktemp -d)"
    seeds="$(dirname "$f")/semillas_${f##*/fuzz_}"
    if [ -x "$seeds" ]; then
        "$seeds" "$corpus"
    fi
    BRIXAMO_HOME="$(mktemp -d)" "$f" -max_total_time="$seconds" -max_len=65536 "$corpus"
    rm -rf "$corpus"
done
