#!/usr/bin/env bash
# One fuzzer for a bounded time, BRX_FUZZ_SECONDS (30 by default), from the corpus its seed
# program writes (or an empty one) and with its own settings folder; both are removed
# afterwards. A crash or a sanitizer's report fails, and the input that caused it stays in the
# working folder (crash-*, leak-*, timeout-*).
#     correr.sh FUZZER [SEED_PROGRAM]
set -euo pipefail
seconds="${BRX_FUZZ_SECONDS:-30}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus" "$scratch/home"
if [ $# -ge 2 ]; then
    "$2" "$scratch/corpus"
fi
echo "-- $1 for ${seconds}s"
BRIXAMO_HOME="$scratch/home" "$1" -max_total_time="$seconds" -max_len=65536 "$scratch/corpus"
